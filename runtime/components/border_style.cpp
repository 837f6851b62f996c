#include "runtime/components/border_style.h"

namespace lp {

BorderStyles borderStyles(int32_t border) {
  switch (border) {
    case 1: return {0, WS_EX_CLIENTEDGE};
    case 2: return {0, WS_EX_DLGMODALFRAME};
    case 3: return {0, WS_EX_STATICEDGE};
    case 4: return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case 5: return {WS_BORDER, 0};
    default: return {0, 0};
  }
}

void applyBorderStyle(HWND window, int32_t border) {
  const BorderStyles add = borderStyles(border);
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
  style = (style & ~static_cast<LONG_PTR>(WS_BORDER)) | add.style;
  extended = (extended & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE)) |
             add.extendedStyle;
  SetWindowLongPtrW(window, GWL_STYLE, style);
  SetWindowLongPtrW(window, GWL_EXSTYLE, extended);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace lp
