#include "tests/dialogs/modal_dialog_closer.h"

#include <string>

namespace test {
namespace {

std::function<void(HWND)> g_action;
UINT_PTR g_timer = 0;
bool g_acted = false;
std::wstring g_title;

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_acted) return;
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  g_acted = true;
  wchar_t title[256] = {};
  GetWindowTextW(dialog, title, 256);
  g_title = title;
  g_action(dialog);
}

}  // namespace

ModalDialogCloser::ModalDialogCloser(std::function<void(HWND)> action) {
  g_action = std::move(action);
  g_acted = false;
  g_title.clear();
  g_timer = SetTimer(nullptr, 0, 100, tick);
}

ModalDialogCloser::~ModalDialogCloser() {
  KillTimer(nullptr, g_timer);
  g_action = nullptr;
}

bool ModalDialogCloser::acted() const { return g_acted; }

const std::wstring& ModalDialogCloser::title() const { return g_title; }

void press(HWND dialog, int button) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

}  // namespace test
