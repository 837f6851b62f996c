// Where everything lies in the colour picker's palette, which part a point
// hits, how the arrow keys move the current choice, and how the palette is
// kept on the screen.
#pragma once
#include <windows.h>

namespace lp {

// A choice in the palette: a cell 0..31, one of the two boxes, or nothing.
enum PaletteChoice : int {
  kNoChoice = -1,
  kDefaultBox = -2,  // "透明"
  kCustomBox = -3,   // "其它颜色..."
};

constexpr int kPaletteColumns = 7;
constexpr int kPaletteRows = 5;  // 32 cells in rows of 7

struct PaletteMetrics {
  int cellSize;      // never less than 2 edge widths + 7
  int margin;        // the edge width
  SIZE defaultText;  // {0, 0}: no default box
  SIZE customText;   // {0, 0}: no custom box
};

struct PaletteLayout {
  SIZE size;
  int cellSize;
  int margin;
  POINT gridOrigin;
  bool hasDefault;
  bool hasCustom;
  RECT defaultBox;
  RECT customBox;
};

// The cell size the palette uses: 18 pixels, at least 2 edge widths + 7.
int paletteCellSize(int edgeWidth);

PaletteLayout layoutPalette(const PaletteMetrics& metrics);
RECT paletteCellRect(const PaletteLayout& layout, int cell);
// The choice under a point of the palette's client area, or kNoChoice.
int paletteChoiceAt(const PaletteLayout& layout, POINT point);
// Where an arrow key (VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN) leads from a
// choice; a box that does not exist is never reached.
int movePaletteChoice(int current, UINT key, bool hasDefault, bool hasCustom);
// The rectangle moved to lie on the screen: the right edge first, then the
// left, then the bottom.
RECT keepOnScreen(RECT window, const RECT& screen);

}  // namespace lp
