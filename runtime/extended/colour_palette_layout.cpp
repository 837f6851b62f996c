#include "runtime/extended/colour_palette_layout.h"

#include <algorithm>

#include "runtime/extended/colour_palette_table.h"

namespace lp {
namespace {

constexpr int kLastCell = kPaletteColourCount - 1;

int boxHeight(const SIZE& text, int margin) { return text.cy + 4 * margin + 2; }

// Past the last cell: the custom box, else the default box, else the start.
int pastTheEnd(bool hasDefault, bool hasCustom) {
  return hasCustom ? kCustomBox : hasDefault ? kDefaultBox : 0;
}
// Before the first cell: the default box, else the custom box, else the start.
int beforeTheStart(bool hasDefault, bool hasCustom) {
  return hasDefault ? kDefaultBox : hasCustom ? kCustomBox : 0;
}

}  // namespace

int paletteCellSize(int edgeWidth) { return std::max(18, 2 * edgeWidth + 7); }

PaletteLayout layoutPalette(const PaletteMetrics& m) {
  PaletteLayout layout = {};
  layout.cellSize = m.cellSize;
  layout.margin = m.margin;
  layout.hasDefault = m.defaultText.cx > 0;
  layout.hasCustom = m.customText.cx > 0;
  const int gridWidth = kPaletteColumns * m.cellSize;
  const int gridHeight = kPaletteRows * m.cellSize;
  int width = gridWidth + 2 * m.margin;
  if (layout.hasDefault || layout.hasCustom) {
    const int widerText = std::max(m.defaultText.cx, m.customText.cx);
    width = std::max(width, widerText + 4 * m.margin);
  }
  int y = m.margin;
  if (layout.hasDefault) {
    const int h = boxHeight(m.defaultText, m.margin);
    layout.defaultBox = {m.margin, y, width - m.margin, y + h};
    y += h + 2 * m.margin;
  }
  layout.gridOrigin = {m.margin, y};
  y += gridHeight;
  if (layout.hasCustom) {
    const int h = boxHeight(m.customText, m.margin);
    y += 2 * m.margin;
    layout.customBox = {m.margin, y, width - m.margin, y + h};
    y += h;
  }
  layout.size = {width, y + m.margin};
  return layout;
}

RECT paletteCellRect(const PaletteLayout& layout, int cell) {
  const int left = layout.gridOrigin.x + (cell % kPaletteColumns) * layout.cellSize;
  const int top = layout.gridOrigin.y + (cell / kPaletteColumns) * layout.cellSize;
  return {left, top, left + layout.cellSize, top + layout.cellSize};
}

int paletteChoiceAt(const PaletteLayout& layout, POINT point) {
  if (layout.hasDefault && PtInRect(&layout.defaultBox, point)) return kDefaultBox;
  if (layout.hasCustom && PtInRect(&layout.customBox, point)) return kCustomBox;
  for (int cell = 0; cell < kPaletteColourCount; ++cell) {
    const RECT r = paletteCellRect(layout, cell);
    if (PtInRect(&r, point)) return cell;
  }
  return kNoChoice;
}

int movePaletteChoice(int current, UINT key, bool hasDefault, bool hasCustom) {
  const bool forward = key == VK_RIGHT || key == VK_DOWN;
  const int step = (key == VK_UP || key == VK_DOWN) ? kPaletteColumns : 1;
  if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) return current;
  if (current == kNoChoice) return 0;
  // The boxes sit before and after the grid: forward from the default box
  // is the first cell, back from the custom box the last one, and the other
  // directions wrap round.
  if (current == kDefaultBox) return forward ? 0 : (hasCustom ? kCustomBox : kLastCell);
  if (current == kCustomBox) return forward ? (hasDefault ? kDefaultBox : 0) : kLastCell;
  const int next = forward ? current + step : current - step;
  if (next > kLastCell) return pastTheEnd(hasDefault, hasCustom);
  if (next < 0) return beforeTheStart(hasDefault, hasCustom);
  return next;
}

RECT keepOnScreen(RECT window, const RECT& screen) {
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (window.right > screen.right) window.left = screen.right - width;
  if (window.left < screen.left) window.left = screen.left;
  if (window.top + height > screen.bottom) window.top = screen.bottom - height;
  window.right = window.left + width;
  window.bottom = window.top + height;
  return window;
}

}  // namespace lp
