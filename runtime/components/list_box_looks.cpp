// The list box's colours, font and row height.
#include "runtime/components/component_colour.h"
#include "runtime/components/component_font.h"
#include "runtime/components/list_box_object.h"

namespace lp {
namespace {

int32_t itemHeight(HWND window) { return static_cast<int32_t>(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0)); }

void setItemHeight(HWND window, int32_t height) {
  SendMessageW(window, LB_SETITEMHEIGHT, 0, MAKELPARAM(static_cast<WORD>(height & 0xFFFF), 0));
}

}  // namespace

void makeBackBrush(ListBoxObject& list) {
  releaseBackBrush(list);
  // The system face colour is taken at the moment of painting instead, so it
  // follows a change of the system colours.
  if (list.data.backColor != kClrDefault) list.backBrush = CreateSolidBrush(backgroundColour(list.data.backColor));
}

void releaseBackBrush(ListBoxObject& list) {
  if (list.backBrush) DeleteObject(list.backBrush);
  list.backBrush = nullptr;
}

LRESULT listColours(ListBoxObject& list, HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(list.data.textColor & 0x00FFFFFFu));
  SetBkColor(dc, backgroundColour(list.data.backColor));
  HBRUSH brush = list.backBrush ? list.backBrush : GetSysColorBrush(COLOR_BTNFACE);
  return reinterpret_cast<LRESULT>(brush);
}

void addRowSpacing(ListBoxObject& list) {
  setItemHeight(list.window, itemHeight(list.window) + list.data.rowSpacing);
}

void changeListFont(ListBoxObject& list, const std::vector<uint8_t>& font) {
  list.data.font = font;
  setItemHeight(list.window, itemHeight(list.window) - list.data.rowSpacing);
  applyFont(list.window, list.data.font, list.font);
  addRowSpacing(list);
}

void changeRowSpacing(ListBoxObject& list, int32_t spacing) {
  const int32_t old = list.data.rowSpacing;
  list.data.rowSpacing = ListBoxData::clampValue(ListBoxData::kRowSpacing, spacing);
  setItemHeight(list.window, itemHeight(list.window) - old + list.data.rowSpacing);
  InvalidateRect(list.window, nullptr, TRUE);
}

}  // namespace lp
