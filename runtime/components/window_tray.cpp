// The window's notification-area icon (identifier 100, callback 0x8064) and
// the event 9 its mouse actions raise.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "runtime/components/component_events.h"
#include "runtime/components/window_component.h"
#include "runtime/components/window_object.h"
#include "runtime/core/deferred_system_calls.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

constexpr UINT kTrayId = 100;
constexpr size_t kTipCharacters = 62;

NOTIFYICONDATAW trayRecord(const WindowObject& w) {
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof data;
  data.hWnd = w.window;
  data.uID = kTrayId;
  return data;
}

}  // namespace

void setWindowTrayIcon(ComponentObject* object, HICON icon, const char* tip) {
  WindowObject* w = object ? windowObjectOf(object->window) : nullptr;
  if (!w) return;
  if (!icon) {
    removeTrayIcon(*w);
    return;
  }
  NOTIFYICONDATAW data = trayRecord(*w);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kMsgTrayCallback;
  data.hIcon = icon;
  std::wstring text = gbkToWide(tip ? tip : "");
  if (text.size() > kTipCharacters) text.resize(kTipCharacters);
  std::memcpy(data.szTip, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  deferred::Shell_NotifyIconW(w->trayIcon ? NIM_MODIFY : NIM_ADD, &data);
  if (w->trayIcon) DestroyIcon(w->trayIcon);
  w->trayIcon = icon;
}

void removeTrayIcon(WindowObject& w) {
  if (!w.trayIcon) return;
  NOTIFYICONDATAW data = trayRecord(w);
  deferred::Shell_NotifyIconW(NIM_DELETE, &data);
  DestroyIcon(w.trayIcon);
  w.trayIcon = nullptr;
}

void trayCallback(WindowObject& w, LPARAM mouseMessage) {
  uint32_t action = 0;
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: action = 1; break;
    case WM_LBUTTONDBLCLK: action = 2; break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: action = 3; break;
    default: return;
  }
  raiseEvent(w.windowId, 0, 9, 1, &action);
}

}  // namespace lp
