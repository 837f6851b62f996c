#include "runtime/extended/colour_palette_paint.h"

#include "runtime/extended/colour_palette_table.h"

namespace lp {
namespace {

// The current choice stands out raised; the initial one, when it is not the
// current, sits sunken on the highlight colour.
void markChoice(const ColourPalette& p, HDC dc, RECT r, int choice) {
  if (choice == p.current) {
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  } else if (choice == p.initialChoice) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  }
}

COLORREF deviceColour(const ColourPalette& p, COLORREF colour) {
  return p.logicalPalette ? (colour | 0x02000000) : colour;  // PALETTERGB
}

void paintCell(const ColourPalette& p, HDC dc, int cell) {
  const RECT r = paletteCellRect(p.layout, cell);
  markChoice(p, dc, r, cell);
  const int inset = p.layout.margin + 1;
  HBRUSH brush = CreateSolidBrush(deviceColour(p, kPaletteColours[cell].colour));
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Rectangle(dc, r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void drawCentred(HDC dc, const std::wstring& text, RECT r) {
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void paintDefaultBox(const ColourPalette& p, HDC dc) {
  const RECT r = p.layout.defaultBox;
  markChoice(p, dc, r, kDefaultBox);
  RECT frame = r;
  InflateRect(&frame, -p.layout.margin, -p.layout.margin);
  FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
  drawCentred(dc, p.defaultText, frame);
}

void paintCustomBox(const ColourPalette& p, HDC dc) {
  const RECT r = p.layout.customBox;
  markChoice(p, dc, r, kCustomBox);
  // The separator above the text: a shadow line with a highlight under it.
  const int y = r.top + p.layout.margin;
  RECT line = {r.left + p.layout.margin, y, r.right - p.layout.margin, y + 1};
  FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
  OffsetRect(&line, 0, 1);
  FillRect(dc, &line, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  RECT text = r;
  text.top = y + 2;
  drawCentred(dc, p.customText, text);
}

}  // namespace

void paintPalette(ColourPalette& p) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(p.window, &ps);
  HPALETTE oldPalette = nullptr;
  if (p.logicalPalette) {
    oldPalette = SelectPalette(dc, p.logicalPalette, FALSE);
    RealizePalette(dc);
  }
  RECT client;
  GetClientRect(p.window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, p.font ? static_cast<HGDIOBJ>(p.font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  if (p.layout.hasDefault) paintDefaultBox(p, dc);
  for (int cell = 0; cell < kPaletteColourCount; ++cell) paintCell(p, dc, cell);
  if (p.layout.hasCustom) paintCustomBox(p, dc);
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
  SelectObject(dc, oldFont);
  if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
  EndPaint(p.window, &ps);
}

}  // namespace lp
