// The colour picker's owner-drawn button: a sunken field with the colour, a
// drop-down arrow at the right and the caption on the colour.
#include <algorithm>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/extended/colour_picker_object.h"

namespace lp {
namespace {

RECT arrowRect(const RECT& button) {
  const int cxEdge = GetSystemMetrics(SM_CXEDGE), cyEdge = GetSystemMetrics(SM_CYEDGE);
  const int width = std::max({5 * cxEdge, GetSystemMetrics(SM_CXHTHUMB), 5 * cyEdge, GetSystemMetrics(SM_CYVTHUMB)});
  RECT r = {button.right - width, button.top, button.right, button.bottom};
  InflateRect(&r, -cxEdge, -cyEdge);
  return r;
}

void drawCaption(const ColourPickerObject& picker, HDC dc, RECT r, bool disabled) {
  std::wstring text;
  if (picker.colour == kClrDefault) {
    text = picker.defaultText;
  } else {
    const int length = GetWindowTextLengthW(picker.window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(picker.window, buffer.data(), length + 1);
    text = buffer.data();
  }
  if (text.empty()) return;
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    RECT lower = r;
    OffsetRect(&lower, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), -1, &lower, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, picker.textColour == kClrDefault ? RGB(0, 0, 0) : picker.textColour);
  }
  DrawTextW(dc, text.c_str(), -1, &r, format);
  SelectObject(dc, oldFont);
}

}  // namespace

void drawColourPicker(const ColourPickerObject& picker, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT button = item.rcItem;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  FillRect(dc, &button, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  RECT arrow = arrowRect(button);
  UINT arrowState = DFCS_SCROLLDOWN;
  if ((item.itemState & ODS_SELECTED) || picker.paletteOpen) arrowState |= DFCS_PUSHED;
  if (disabled) arrowState |= DFCS_INACTIVE;
  DrawFrameControl(dc, &arrow, DFC_SCROLL, arrowState);

  RECT edge = button;
  DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);

  RECT field = button;
  InflateRect(&field, -(GetSystemMetrics(SM_CXEDGE) + 2), -(GetSystemMetrics(SM_CYEDGE) + 1));
  field.right = arrow.left - 1;
  const COLORREF fill = disabled ? GetSysColor(COLOR_BTNFACE)
                                 : picker.colour == kClrDefault ? RGB(255, 255, 255) : picker.colour;
  HBRUSH brush = CreateSolidBrush(fill);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  Rectangle(dc, field.left, field.top, field.right, field.bottom);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);

  drawCaption(picker, dc, field, disabled);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = field;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace lp
