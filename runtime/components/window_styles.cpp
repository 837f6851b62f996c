// The window's frame: creation styles from Border, and the caption styles
// re-applied after Caption, Border, ControlBox and the two buttons change.
#include "runtime/components/window_object.h"

namespace lp {
namespace {

constexpr LONG_PTR kCaptionMask = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

LONG_PTR captionStyles(const WindowData& d) {
  LONG_PTR style = 0;
  if (d.border != 0) {
    if (!d.caption.empty() || d.controlBox) style |= WS_CAPTION | (d.controlBox ? WS_SYSMENU : 0);
    style |= WS_DLGFRAME;
  }
  if (d.maxButton) style |= WS_MAXIMIZEBOX;
  if (d.minButton) style |= WS_MINIMIZEBOX;
  return style;
}

bool resizableBorder(int32_t border) { return border == 1 || border == 3 || border == 5; }

DWORD borderExtendedStyles(int32_t border) {
  switch (border) {
    case 3: case 4: return WS_EX_TOOLWINDOW;
    case 5: case 6: return WS_EX_CLIENTEDGE;
    default: return 0;
  }
}

void frameChanged(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

bool isResizable(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME) != 0; }

void applyCaptionStyles(WindowObject& w) {
  const LONG_PTR wanted = captionStyles(w.data);
  LONG_PTR style = GetWindowLongPtrW(w.window, GWL_STYLE);
  if ((style & kCaptionMask) == wanted) return;
  style = (style & ~kCaptionMask) | wanted;
  // A top-level window without a title bar must be a pop-up, or the system
  // gives it a caption anyway.
  if (!(style & WS_CHILD) && (wanted & WS_CAPTION) != WS_CAPTION) style |= WS_POPUP;
  SetWindowLongPtrW(w.window, GWL_STYLE, style);
  frameChanged(w.window);
}

void applyBorder(WindowObject& w) {
  LONG_PTR style = GetWindowLongPtrW(w.window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_THICKFRAME);
  if (resizableBorder(w.data.border) && !w.designMode) style |= WS_THICKFRAME;
  LONG_PTR extended = GetWindowLongPtrW(w.window, GWL_EXSTYLE) &
                      ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE);
  extended |= borderExtendedStyles(w.data.border);
  SetWindowLongPtrW(w.window, GWL_STYLE, style);
  SetWindowLongPtrW(w.window, GWL_EXSTYLE, extended);
  frameChanged(w.window);
  applyCaptionStyles(w);
}

CreationStyles creationStyles(const WindowData& d, uint32_t preset, bool owned, bool designMode) {
  CreationStyles out;
  LONG_PTR style = static_cast<LONG_PTR>(preset) | WS_CLIPCHILDREN | captionStyles(d);
  if (resizableBorder(d.border) && !designMode) style |= WS_THICKFRAME;
  out.extendedStyle = borderExtendedStyles(d.border);
  if (designMode) {
    style |= WS_CHILD;
  } else {
    if (d.position == 2) style |= WS_MINIMIZE;
    if (d.position == 3 && (style & WS_THICKFRAME)) style |= WS_MAXIMIZE;
    if (owned || (style & WS_CAPTION) != WS_CAPTION) style |= WS_POPUP;
  }
  out.style = static_cast<DWORD>(style);
  return out;
}

}  // namespace lp
