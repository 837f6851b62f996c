// The 32 named colours the colour picker's palette offers, in grid order.
#pragma once
#include <windows.h>

namespace lp {

struct NamedColour {
  const char* name;  // GBK, shown as the cell's tooltip
  COLORREF colour;
};

constexpr int kPaletteColourCount = 32;
extern const NamedColour kPaletteColours[kPaletteColourCount];

// The position of a colour in the table, or -1.
int paletteIndexOf(COLORREF colour);

}  // namespace lp
