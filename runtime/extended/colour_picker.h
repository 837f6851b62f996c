// The colour picker (Core Library type 28, `ColorPicker`): an owner-drawn
// button of the class ColourPickerButton showing a colour, which drops down
// a palette of named colours when clicked.
#pragma once
#include <windows.h>
#include <cstdint>

namespace lp {

// Notifications between palette, button and form. Each carries the colour in
// wParam; sent to the form, the button's control id in lParam.
constexpr UINT kMsgColourSelectionChanged = 33769;
constexpr UINT kMsgColourDropDown = 33770;
constexpr UINT kMsgColourCloseUp = 33771;
constexpr UINT kMsgColourEndedOk = 33772;
constexpr UINT kMsgColourEndedCancel = 33773;

// The type's entry points by interface number (create, setProperty,
// getAllPropertyData, getProperty); null for every other.
void* colourPickerInterface(int32_t number);

}  // namespace lp
