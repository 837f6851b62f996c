// The six border styles of child components (edit box, label, list box).
#pragma once
#include <windows.h>
#include <cstdint>

namespace lp {

struct BorderStyles {
  DWORD style;          // WS_BORDER or nothing
  DWORD extendedStyle;  // edge and frame styles
};

// 0 none, 1 client edge, 2 modal frame, 3 static edge, 4 client edge and
// modal frame, 5 plain border; other values have no border.
BorderStyles borderStyles(int32_t border);

// Replaces the window's border styles and redraws its frame.
void applyBorderStyle(HWND window, int32_t border);

}  // namespace lp
