// The live transparent label. Shared by the transparent_label_*.cpp files.
#pragma once
#include <windows.h>

#include "runtime/core/component_object.h"
#include "runtime/extended/transparent_label_data.h"

namespace lp {

struct TransparentLabelObject : ComponentObject {
  TransparentLabelData data;
};

ComponentObject* createTransparentLabel(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                                        uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                                        int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                                        int32_t designMode);
void paintTransparentLabel(TransparentLabelObject& label);

// Repaints what lies behind the label's rectangle (given in screen
// coordinates) - the top-level window's background, then every visible
// window that meets it, lowest first - and then the label's text over it.
void refreshBehind(HWND label, const RECT& screenArea);
void refreshBehind(HWND label);

}  // namespace lp
