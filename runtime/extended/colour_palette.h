// The colour picker's drop-down palette: a popup window holding the mouse
// until the user picks a colour or gives up, then telling its button.
#pragma once
#include <windows.h>

#include <string>

#include "runtime/extended/colour_palette_layout.h"

namespace lp {

struct PaletteRequest {
  HWND button;
  POINT at;                 // screen point of the palette's upper-left corner
  COLORREF initial;         // 0xFF000000: transparent
  std::wstring defaultText; // empty: no default box
  std::wstring customText;  // empty: no custom box
};

struct ColourPalette {
  HWND window = nullptr;
  HWND button = nullptr;
  HWND tooltip = nullptr;
  HFONT font = nullptr;
  HPALETTE logicalPalette = nullptr;  // only on palette devices
  COLORREF initial = 0;
  std::wstring defaultText;
  std::wstring customText;
  PaletteLayout layout = {};
  int current = kNoChoice;       // under the cursor or reached by the keys
  int initialChoice = kNoChoice; // the choice of the initial colour
  bool pressed = false;          // a mouse press since the palette opened
  bool choosingColour = false;   // the system colour dialog is open
  bool ended = false;
};

// Opens the palette; null when its window cannot be created.
HWND openColourPalette(const PaletteRequest& request);
// The palette of a palette window, or null.
ColourPalette* colourPaletteOf(HWND window);

}  // namespace lp
