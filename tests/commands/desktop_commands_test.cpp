// SetClipboardText, InfoBox and DoEvents: they use the shared clipboard and
// the screen, so this program runs alone (ctest resource lock "desktop").
#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "command_calls.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/gbk.h"

namespace {

using test::core;
using test::integer;
using test::none;
using test::text;

std::string clipboardText() {
  std::string out;
  if (!OpenClipboard(nullptr)) return "<not opened>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    out = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return out;
}

std::wstring clipboardWide() {
  std::wstring out;
  if (!OpenClipboard(nullptr)) return L"<not opened>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    out = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return out;
}

bool setClipboard(const char* value) {
  lp::ValueRecord r = core(lp::kCmdSetClipboardText, {text(value)});
  EXPECT_EQ(r.type, lp::kLogical);
  return r.low != 0;
}

TEST(SetClipboardText, HandsOverGbkAndUnicodeAndDropsOtherFormats) {
  const UINT other = RegisterClipboardFormatA("LumenPathTestFormat");
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  SetClipboardData(other, block);
  CloseClipboard();

  EXPECT_TRUE(setClipboard("创世记 1:1 起初"));
  EXPECT_EQ(clipboardText(), "创世记 1:1 起初");
  EXPECT_EQ(clipboardWide(), L"\u521B\u4E16\u8BB0 1:1 \u8D77\u521D");
  EXPECT_FALSE(IsClipboardFormatAvailable(other));

  EXPECT_TRUE(setClipboard(nullptr));
  EXPECT_EQ(clipboardText(), "");
  EXPECT_EQ(clipboardWide(), L"");
}

TEST(SetClipboardText, FailsAndChangesNothingWhileAnotherWindowHoldsTheClipboard) {
  ASSERT_TRUE(setClipboard("before"));
  std::atomic<int> step{0};
  std::thread holder([&] {
    HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    OpenClipboard(owner);
    step = 1;
    while (step != 2) Sleep(5);
    CloseClipboard();
    DestroyWindow(owner);
  });
  while (step != 1) Sleep(5);
  EXPECT_FALSE(setClipboard("after"));
  step = 2;
  holder.join();
  EXPECT_EQ(clipboardText(), "before");
}

// Answers the first message box of this process with `button`, after
// reading its caption and text.
struct BoxAnswer {
  std::string caption, content;
  std::thread thread;
  explicit BoxAnswer(int button) {
    thread = std::thread([this, button] {
      for (int waited = 0; waited < 10000; waited += 20) {
        HWND box = findBox();
        if (box) {
          caption = windowText(box);
          content = windowText(GetDlgItem(box, 0xFFFF));
          PostMessageA(box, WM_COMMAND, button, 0);
          return;
        }
        Sleep(20);
      }
    });
  }
  ~BoxAnswer() {
    if (thread.joinable()) thread.join();
  }
  static std::string windowText(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return lp::wideToGbk(buffer);
  }
  static HWND findBox() {
    struct Search {
      HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) CALLBACK -> BOOL {
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          char cls[16] = {};
          GetClassNameA(hwnd, cls, sizeof cls);
          if (pid != GetCurrentProcessId() || std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
          reinterpret_cast<Search*>(lParam)->found = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
};

int32_t infoBox(std::vector<lp::ValueRecord> args) {
  lp::ValueRecord r = core(lp::kCmdInfoBox, std::move(args));
  EXPECT_EQ(r.type, lp::kInt);
  return static_cast<int32_t>(r.low);
}

TEST(InfoBox, ShowsTheContentAsTextWithTheDefaultCaption) {
  int32_t pressed;
  {
    BoxAnswer answer(IDOK);
    pressed = infoBox({text("数据库打开失败"), integer(0x40)});
    answer.thread.join();
    EXPECT_EQ(answer.caption, "信息：");
    EXPECT_EQ(answer.content, "数据库打开失败");
  }
  EXPECT_EQ(pressed, 0);
  {
    BoxAnswer answer(IDOK);
    infoBox({test::real(2.5), integer(0), text("标题")});
    answer.thread.join();
    EXPECT_EQ(answer.caption, "标题");
    EXPECT_EQ(answer.content, "2.5");
  }
  {
    unsigned char set[] = {1, 0, 0, 0, 1, 0, 0, 0, 'x'};
    lp::ValueRecord bytes{};
    lp::setRecordPointer(bytes, set, lp::kByteSet);
    BoxAnswer answer(IDOK);
    infoBox({bytes, integer(0), none()});
    answer.thread.join();
    EXPECT_EQ(answer.content, "");
  }
}

TEST(InfoBox, ButtonsMapToTheirCodes) {
  {
    BoxAnswer answer(IDNO);
    EXPECT_EQ(infoBox({text("?"), integer(MB_YESNO)}), 6);
  }
  {
    BoxAnswer answer(IDYES);
    EXPECT_EQ(infoBox({text("?"), integer(MB_YESNO | MB_SYSTEMMODAL)}), 5);
  }
  {
    BoxAnswer answer(IDCANCEL);
    EXPECT_EQ(infoBox({text("?"), integer(MB_OKCANCEL)}), 1);
  }
  {
    BoxAnswer answer(IDRETRY);
    EXPECT_EQ(infoBox({text("?"), integer(MB_RETRYCANCEL)}), 3);
  }
}

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP + 1) ++*reinterpret_cast<int*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(DoEvents, ProcessesWaitingMessagesAndLeavesWmQuitQueued) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = countingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LpDoEventsTest";
  RegisterClassA(&wc);
  HWND window = CreateWindowA("LpDoEventsTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  int count = 0;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&count));

  PostMessageA(window, WM_APP + 1, 0, 0);
  PostMessageA(window, WM_APP + 1, 0, 0);
  core(lp::kCmdDoEvents, {});
  EXPECT_EQ(count, 2);

  PostMessageA(window, WM_APP + 1, 0, 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0);
  PostMessageA(window, WM_APP + 1, 0, 0);
  core(lp::kCmdDoEvents, {});
  EXPECT_EQ(count, 3);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(count, 4);
  DestroyWindow(window);
}

}  // namespace
