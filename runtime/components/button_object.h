// The live button: its properties, the font it sent the control and the
// picture it shows. Shared by the button_*.cpp files only.
#pragma once
#include <windows.h>
#include <memory>

#include "runtime/components/button_data.h"
#include "runtime/components/picture_loader.h"
#include "runtime/core/component_object.h"

namespace lp {

struct ButtonObject : ComponentObject {
  ButtonData data;
  HFONT font = nullptr;              // created from a 60-byte Font, else null
  std::unique_ptr<Picture> picture;  // the decoded Picture, handed to the control
  WNDPROC classProcedure = nullptr;  // the system button's procedure, subclassed
};

ComponentObject* createButton(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                              uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                              int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                              int32_t designMode);

// The style bits that ButtonType and the two alignments stand for.
DWORD buttonKindStyle(int32_t buttonType);
DWORD horizontalAlignStyle(int32_t align);
DWORD verticalAlignStyle(int32_t align);
// Replaces the bits under mask with bits, redraws the frame and the button.
void replaceButtonStyle(HWND button, DWORD mask, DWORD bits);

}  // namespace lp
