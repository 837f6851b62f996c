#include "runtime/components/child_reflection.h"

#include "runtime/components/component_messages.h"

namespace lp {

HWND notifyingChild(HWND parent, UINT message, WPARAM, LPARAM lParam) {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      if (lParam) child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item && item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    case WM_DELETEITEM:
      if (lParam) child = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
      break;
    case WM_COMPAREITEM:
      if (lParam) child = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
      break;
    default:
      return nullptr;
  }
  return child && child != parent && IsChild(parent, child) ? child : nullptr;
}

bool reflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = notifyingChild(parent, message, wParam, lParam);
  if (!child) return false;
  *result = SendMessageW(child, message + kReflectedOffset, wParam, lParam);
  if (*result == 0 && message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    *result = DefWindowProcW(parent, message, wParam, lParam);
  return true;
}

}  // namespace lp
