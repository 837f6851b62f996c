// The live colour picker: its properties and what the button shows. Shared
// by the colour_picker*.cpp files only.
#pragma once
#include <windows.h>

#include <string>

#include "runtime/components/color_picker_data.h"
#include "runtime/core/component_object.h"

namespace lp {

struct ColourPickerObject : ComponentObject {
  ColorPickerData data;
  COLORREF colour = 0;      // what the button shows; 0xFF000000: transparent
  COLORREF textColour = 0;  // of the caption
  std::wstring defaultText; // "透明" while Transparent is set, else empty
  std::wstring customText;  // "其它颜色..."
  bool paletteOpen = false;
  HWND palette = nullptr;
};

// Draws the button for WM_DRAWITEM.
void drawColourPicker(const ColourPickerObject& picker, const DRAWITEMSTRUCT& item);

}  // namespace lp
