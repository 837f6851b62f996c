// The live label: its properties and the picture decoded from them. Shared
// by the label_*.cpp files only.
#pragma once
#include <windows.h>

#include "runtime/components/label_data.h"
#include "runtime/components/picture_loader.h"
#include "runtime/core/component_object.h"

namespace lp {

struct LabelObject : ComponentObject {
  LabelData data;
  PictureCache backPicture;
};

// The create entry (label_create.cpp) and the painting (label_paint.cpp).
ComponentObject* createLabel(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                             uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                             int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                             int32_t designMode);
void paintLabel(LabelObject& label);

}  // namespace lp
