// The window procedure of the window component: closing and destruction,
// activation and focus, menu commands, painting, the tray icon, the private
// messages of the loader and the runtime, and the reflection of child
// notifications.
#include <windows.h>
#include <mmsystem.h>

#include "runtime/components/child_reflection.h"
#include "runtime/components/component_events.h"
#include "runtime/components/library_link.h"
#include "runtime/components/window_component.h"
#include "runtime/components/window_object.h"
#include "runtime/components/window_units.h"

namespace lp {
namespace {

constexpr UINT kFirstMenuId = 20000;
constexpr UINT kLastMenuId = 57599;

// Activation events are not raised again while one is being dispatched.
bool g_inActivation = false;

LRESULT callDefault(WindowObject& w, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(w.classProcedure, w.window, message, wParam, lParam);
}

void raise(WindowObject& w, int32_t event) { raiseEvent(w.windowId, 0, event); }

void menuCommand(WindowObject& w, UINT id) {
  const int32_t position = static_cast<int32_t>(id - kFirstMenuId);
  for (const WindowUnit& unit : windowUnits(w.windowId)) {
    if (unit.info.menuPosition == position) {
      raiseEvent(w.windowId, unit.info.id, 0);
      return;
    }
  }
}

// A disabled top-level window activated while one of the program's windows
// is shown modally over it passes the activation on to that window.
bool passActivationToModal(WindowObject& w) {
  if (IsWindowEnabled(w.window)) return false;
  for (uintptr_t i = 0;; ++i) {
    const uint32_t id = static_cast<uint32_t>(callRuntime(kSvcWindowAt, i));
    if (!id) return false;
    auto* other = reinterpret_cast<ComponentObject*>(callRuntime(kSvcFindComponent, id, 0));
    if (other && other->window != w.window && IsWindowEnabled(other->window) && IsWindowVisible(other->window)) {
      SetActiveWindow(other->window);
      return true;
    }
  }
}

void activate(WindowObject& w, WPARAM wParam) {
  if (g_inActivation) return;
  g_inActivation = true;
  if (LOWORD(wParam) != WA_INACTIVE) {
    if (!passActivationToModal(w)) {
      if (!w.activatedOnce) {
        w.activatedOnce = true;
        raise(w, 8);
      }
      raise(w, 5);
    }
  } else {
    HWND focus = GetFocus();
    if (focus && IsChild(w.window, focus)) w.savedFocus = focus;
    raise(w, 6);
  }
  g_inActivation = false;
}

void takeFocus(WindowObject& w) {
  raise(w, -7);
  HWND target = w.savedFocus && IsWindow(w.savedFocus) && IsChild(w.window, w.savedFocus) ? w.savedFocus : nullptr;
  if (!target) target = initialFocus(w);
  if (target && IsWindow(target)) SetFocus(target);
}

bool setCursor(WindowObject& w, HWND over, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  const std::vector<WindowUnit> units = windowUnits(w.windowId);
  const int owner = over == w.window ? 0 : unitOwning(units, over, w.window);
  if (owner == 0 && over != w.window) return false;
  if (units.empty() || !units[static_cast<size_t>(owner)].info.cursor) return false;
  SetCursor(static_cast<HCURSOR>(units[static_cast<size_t>(owner)].info.cursor));
  return true;
}

void destroyed(WindowObject& w) {
  raise(w, 2);
  if (w.helpOpened) WinHelpW(w.window, w.helpFileOpened.c_str(), HELP_QUIT, 0);
  if (HMENU menu = GetMenu(w.window)) {
    SetMenu(w.window, nullptr);
    DestroyMenu(menu);
  }
  removeTrayIcon(w);
  w.music.stop();
}

// After the window is gone: its icons, the runtime's bookkeeping, and the
// end of the program when it was the last window.
void gone(WindowObject* w) {
  const uint32_t windowId = w->windowId, unitId = w->unitId;
  forgetWindowObject(*w);
  callRuntime(kSvcRemoveIdleHandler, reinterpret_cast<uintptr_t>(w->window));
  SetWindowLongPtrW(w->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(w->classProcedure));
  if (w->bigIcon) DestroyIcon(w->bigIcon);
  if (w->smallIcon) DestroyIcon(w->smallIcon);
  delete w;
  callRuntime(kSvcUnitDestroyed, windowId, unitId);
  if (callRuntime(kSvcLastWindowGone)) PostQuitMessage(0);
}

}  // namespace

void finishWindow(WindowObject& w) {
  callRuntime(kSvcRestoreDisabledWindows, w.windowId);
  DestroyWindow(w.window);
}

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowObject* object = windowObjectOf(hwnd);
  if (!object) return DefWindowProcW(hwnd, message, wParam, lParam);
  WindowObject& w = *object;
  LRESULT reflected = 0;
  if (message != WM_COMMAND || lParam != 0) {
    if (reflectToChild(hwnd, message, wParam, lParam, &reflected)) return reflected;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paintBackground(w);
      return 0;
    case WM_CLOSE: {
      if (!w.pendingDestroy && !allowedBy(raiseEvent(w.windowId, 0, 1))) return 0;
      finishWindow(w);
      return 0;
    }
    case WM_QUERYENDSESSION: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      return allowedBy(raiseEvent(w.windowId, 0, 1)) ? result : FALSE;
    }
    case kMsgPendingDestroy:
      // Whoever posted it (the Destroy command included) asked for a destroy
      // without the close event.
      w.pendingDestroy = true;
      finishWindow(w);
      return 0;
    case WM_DESTROY:
      destroyed(w);
      break;
    case WM_NCDESTROY: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      gone(object);
      return result;
    }
    case WM_MOVE: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      raise(w, 3);
      return result;
    }
    case WM_SIZE: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      if (w.data.shape != 0) applyShape(w);
      raise(w, 4);
      return result;
    }
    case WM_ACTIVATE: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      activate(w, wParam);
      return result;
    }
    case WM_SETFOCUS: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      takeFocus(w);
      return result;
    }
    case WM_KILLFOCUS: {
      LRESULT result = callDefault(w, message, wParam, lParam);
      raise(w, -8);
      return result;
    }
    case WM_NCACTIVATE:
      if (w.data.keepTitleActive && !wParam)
        return callDefault(w, message, IsWindowEnabled(hwnd) ? TRUE : FALSE, lParam);
      break;
    case WM_SETCURSOR:
      if (setCursor(w, reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
      break;
    case WM_SHOWWINDOW:
      raise(w, wParam ? 10 : 11);
      break;
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      if (lParam != 0 || id < kFirstMenuId) break;
      if (id <= kLastMenuId) menuCommand(w, id);
      return 0;
    }
    case MM_MCINOTIFY:
      w.music.onNotify(wParam, lParam);
      return 0;
    case kMsgTrayCallback:
      trayCallback(w, lParam);
      return 0;
    case kMsgShowInitialState:
      showInitialState(w);
      return 0;
    case kMsgLayoutBars:
    case kMsgDataBindingRefresh:
    case kMsgBoundSource:
    case kMsgAfterCreation:
    case kMsgIdleContinue:
      return 0;
    default:
      break;
  }
  return callDefault(w, message, wParam, lParam);
}

}  // namespace lp
