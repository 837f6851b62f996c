// Copy and clear, the reading window, and the rights notice.
#include <windows.h>

#include <thread>

#include "runtime/core/gbk.h"
#include "tests/reader/modal_answerer.h"
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<closed>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// A UTF-8 source text as the program carries it: GBK, no trailing newline.
std::string sourceTextAsGbk(const std::string& path) {
  std::string utf8 = readFile(path);
  while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r')) utf8.pop_back();
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  return lp::wideToGbk(wide);
}

class Commands : public ReaderTest {};

TEST_F(Commands, RightsNoticeShowsTheDecipheredText) {
  ModalAnswerer answerer;
  chooseMenu(kRightsNotice);
  ASSERT_EQ(answerer.dialogs.size(), 1u);
  EXPECT_EQ(answerer.dialogs[0].first, "Message:");
  EXPECT_EQ(answerer.dialogs[0].second, sourceTextAsGbk(LP_RIGHTS_NOTICE_SOURCE));
}

TEST_F(Commands, CopyPutsTheResultBoxOnTheClipboardAndSaysSo) {
  REQUIRE_COMPONENTS(kResultBox, kCopyButton);
  setText(kResultBox, "创世记1:1 起初\r\n");
  ModalAnswerer answerer;
  click(kCopyButton);
  EXPECT_EQ(clipboardText(), "创世记1:1 起初\r\n");
  ASSERT_EQ(answerer.dialogs.size(), 1u);
  EXPECT_EQ(answerer.dialogs[0].first, "提示:");
  EXPECT_EQ(answerer.dialogs[0].second, "复制成功!");
  // An empty box copies the empty text and still says so.
  setText(kResultBox, "");
  click(kCopyButton);
  EXPECT_EQ(clipboardText(), "");
  EXPECT_EQ(answerer.dialogs.size(), 2u);
}

TEST_F(Commands, ClearEmptiesTheResultBox) {
  REQUIRE_COMPONENTS(kResultBox, kClearButton);
  setText(kResultBox, "一行\r\n");
  click(kClearButton);
  EXPECT_EQ(text(kResultBox), "");
}

TEST_F(Commands, ReadingWindowShowsTheResultBoxAndClosesOnDoubleClick) {
  REQUIRE_COMPONENTS(kResultBox);
  setText(kResultBox, "约翰福音3:16 神爱世人\r\n");
  struct Seen {
    bool open = false;
    std::string content;
    int32_t textColour = -1, backColour = -1;
    RECT box = {}, client = {};
  } seen;
  bool closing = false;
  ThreadTimer watcher([&] {
    HWND box = control(kReadingBox, "Edit", kReadingWindow);
    if (!box || closing) return;
    seen.open = true;
    seen.content = text(kReadingBox, kReadingWindow);
    seen.textColour = propertyInt(kReadingBox, 10, -1, kReadingWindow);
    seen.backColour = propertyInt(kReadingBox, 11, -1, kReadingWindow);
    closing = true;
    PostMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  });
  chooseMenu(kReadingWindowItem);
  for (int i = 0; i < 50 && unitWindow(0, kReadingWindow); ++i) pump();
  ASSERT_TRUE(seen.open);
  EXPECT_EQ(seen.content, "约翰福音3:16 神爱世人\r\n");
  EXPECT_EQ(seen.textColour, 0xFFFFFF);
  EXPECT_EQ(seen.backColour, 0);
  EXPECT_EQ(unitWindow(0, kReadingWindow), nullptr);
  EXPECT_TRUE(IsWindowEnabled(unitWindow(0)));
}


// Another program holding the clipboard: a thread of this process opens it
// for a window of its own and keeps it open until told to let go.
class ClipboardHolder {
 public:
  ClipboardHolder() : held_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] {
      HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
      if (OpenClipboard(owner)) SetEvent(held_);
      WaitForSingleObject(release_, 30000);
      CloseClipboard();
      DestroyWindow(owner);
    });
    WaitForSingleObject(held_, 5000);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(held_);
    CloseHandle(release_);
  }

 private:
  HANDLE held_, release_;
  std::thread thread_;
};

TEST_F(Commands, CopyWhileAnotherProgramHoldsTheClipboardSaysItFailed) {
  REQUIRE_COMPONENTS(kResultBox, kCopyButton);
  setText(kResultBox, "创世记1:1 起初\r\n");
  {
    ClipboardHolder holder;
    ModalAnswerer answerer;
    click(kCopyButton);
    ASSERT_EQ(answerer.dialogs.size(), 1u);
    EXPECT_EQ(answerer.dialogs[0].first, "错误提示:");
    EXPECT_EQ(answerer.dialogs[0].second, "复制失败,剪贴板正被其他程序占用,请稍后再试!");
  }
  ModalAnswerer answerer;
  click(kCopyButton);
  EXPECT_EQ(clipboardText(), "创世记1:1 起初\r\n");
  ASSERT_EQ(answerer.dialogs.size(), 1u);
  EXPECT_EQ(answerer.dialogs[0].second, "复制成功!");
}

}  // namespace
