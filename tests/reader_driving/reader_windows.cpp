#include "tests/reader_driving/reader_windows.h"

namespace drive {
namespace {

struct Collect {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK collectShown(HWND w, LPARAM lParam) {
  auto* collect = reinterpret_cast<Collect*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == collect->processId && IsWindowVisible(w)) collect->windows.push_back(w);
  return TRUE;
}

bool isMessageBox(HWND w) { return isDialog(w) && GetDlgItem(w, 0xFFFF) != nullptr; }

}  // namespace

std::vector<HWND> shownWindows(DWORD processId) {
  Collect collect = {processId, {}};
  EnumWindows(collectShown, reinterpret_cast<LPARAM>(&collect));
  return collect.windows;
}

bool isDialog(HWND window) {
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  return lstrcmpA(cls, "#32770") == 0;
}

HWND findMainWindow(DWORD processId) {
  HWND found = nullptr;
  for (HWND w : shownWindows(processId)) {
    if (isDialog(w) || GetWindow(w, GW_OWNER) || GetWindowTextLengthW(w) == 0) continue;
    if (!found || GetMenu(w)) found = w;
  }
  return found;
}

bool answersMessages(HWND window, UINT timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

HWND waitForMainWindow(HANDLE process, DWORD processId, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (WaitForSingleObject(process, 0) != WAIT_TIMEOUT) return nullptr;
    answerMessageBoxes(processId);
    HWND main = findMainWindow(processId);
    if (main && answersMessages(main, 1000)) return main;
    Sleep(2);
  }
  return nullptr;
}

int answerMessageBoxes(DWORD processId) {
  int answered = 0;
  for (HWND w : shownWindows(processId)) {
    if (!isMessageBox(w)) continue;
    pressButton(w, IDOK);
    ++answered;
  }
  return answered;
}

void pressButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring textOf(HWND window) {
  const LRESULT n = askNumber(window, WM_GETTEXTLENGTH);
  if (n <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL, 60000, &got);
  text.resize(got);
  return text;
}

void setText(HWND window, const std::wstring& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 60000, &result);
}

void clickButton(HWND parent, int id) {
  PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
}

void pressEnter(HWND control) {
  PostMessageW(control, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(control, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

LRESULT askNumber(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

}  // namespace drive
