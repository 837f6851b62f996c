// Position: the first showing of a loaded window and a Position written while
// it is visible. Position 3 maximises a resizable window and makes any other
// cover the whole screen, taskbar area included.
#include "runtime/components/window_object.h"

namespace lp {
namespace {

void coverScreen(HWND window) {
  if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  RECT r;
  GetWindowRect(window, &r);
  if (r.left != 0 || r.top != 0 || r.right != cx || r.bottom != cy)
    SetWindowPos(window, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window, SW_SHOW);
}

void maximise(HWND window) {
  if (isResizable(window)) {
    ShowWindow(window, SW_MAXIMIZE);
  } else {
    coverScreen(window);
  }
}

}  // namespace

void centreOnScreen(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void showInitialState(WindowObject& w) {
  switch (w.data.position) {
    case 3: maximise(w.window); break;
    case 2: ShowWindow(w.window, SW_SHOWMINIMIZED); break;
    default: ShowWindow(w.window, SW_SHOW); break;
  }
}

void applyPosition(WindowObject& w) {
  if (!IsWindowVisible(w.window)) return;
  switch (w.data.position) {
    case 0:
      ShowWindow(w.window, SW_SHOWNORMAL);
      break;
    case 1:
      if (IsIconic(w.window) || IsZoomed(w.window)) ShowWindow(w.window, SW_RESTORE);
      centreOnScreen(w.window);
      break;
    case 2:
      ShowWindow(w.window, SW_MINIMIZE);
      break;
    default:
      maximise(w.window);
      break;
  }
}

}  // namespace lp
