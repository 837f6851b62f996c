// Creating the button: its styles from the properties, the system BUTTON
// control with the caption, the font and the picture, and the subclassing
// through which it raises its events.
#include "runtime/components/button_object.h"
#include "runtime/components/component_events.h"
#include "runtime/components/component_font.h"
#include "runtime/components/component_messages.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

constexpr DWORD kHorizontalBits = BS_LEFT | BS_RIGHT | BS_CENTER;
constexpr DWORD kVerticalBits = BS_TOP | BS_BOTTOM | BS_VCENTER;

ButtonObject* buttonOf(HWND window) { return linkedObject<ButtonObject>(window); }

LRESULT CALLBACK buttonProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ButtonObject* button = buttonOf(hwnd);
  if (!button) return DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC base = button->classProcedure;
  switch (message) {
    case WM_COMMAND + kReflectedOffset:
      if (HIWORD(wParam) == BN_CLICKED) raiseEvent(button->windowId, button->unitId, 0);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = CallWindowProcW(base, hwnd, message, wParam, lParam);
      raiseEvent(button->windowId, button->unitId, message == WM_SETFOCUS ? -7 : -8);
      return result;
    }
    case WM_NCDESTROY: {
      unlinkObject(hwnd);
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
      const LRESULT result = CallWindowProcW(base, hwnd, message, wParam, lParam);
      if (button->font) DeleteObject(button->font);
      delete button;
      return result;
    }
    default:
      return CallWindowProcW(base, hwnd, message, wParam, lParam);
  }
}

}  // namespace

DWORD buttonKindStyle(int32_t buttonType) {
  return buttonType == ButtonData::kDefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

DWORD horizontalAlignStyle(int32_t align) { return align == 0 ? BS_LEFT : align == 2 ? BS_RIGHT : BS_CENTER; }

DWORD verticalAlignStyle(int32_t align) { return align == 0 ? BS_TOP : align == 2 ? BS_BOTTOM : BS_VCENTER; }

void replaceButtonStyle(HWND button, DWORD mask, DWORD bits) {
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(mask)) | bits);
  SetWindowPos(button, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(button, nullptr, TRUE);
}

ComponentObject* createButton(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                              uint32_t controlId, HMENU, int32_t left, int32_t top, int32_t width, int32_t height,
                              uint32_t windowId, uint32_t unitId, HWND, int32_t) {
  auto* button = new ButtonObject;
  if (!button->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete button;
    return nullptr;
  }
  const ButtonData& d = button->data;
  button->windowId = windowId;
  button->unitId = unitId;
  DWORD style = (presetStyle & ~(kHorizontalBits | kVerticalBits | BS_TYPEMASK)) | buttonKindStyle(d.buttonType) |
                horizontalAlignStyle(d.horizontalAlign) | verticalAlignStyle(d.verticalAlign) | WS_CHILD |
                WS_CLIPSIBLINGS | BS_MULTILINE;
  // Picture data that does not decode leaves a text button.
  if (!d.picture.empty()) button->picture = loadPicture(d.picture.data(), d.picture.size());
  if (button->picture) style |= button->picture->icon ? BS_ICON : BS_BITMAP;
  if (!makeChildWindow(*button, L"BUTTON", gbkToWide(d.caption), style, 0, {parent, controlId, left, top, width, height})) {
    delete button;
    return nullptr;
  }
  button->classProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonProcedure)));
  applyFont(button->window, d.font, button->font);
  if (button->picture && button->picture->icon) {
    SendMessageW(button->window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(button->picture->icon));
  } else if (button->picture) {
    SendMessageW(button->window, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(button->picture->bitmap));
  }
  return button;
}

}  // namespace lp
