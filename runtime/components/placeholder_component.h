// The placeholder: a child window standing in for a component whose type has
// no Win32 part, painting "因所在支持库载入出错而无法创建" centred in red on one
// line, so that a window loads before every component exists.
#pragma once
#include <windows.h>
#include <cstdint>

#include "runtime/core/component_object.h"

namespace lp {

// The create entry of the placeholder (the property data block is ignored).
ComponentObject* createPlaceholder(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                                   uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                                   int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                                   int32_t designMode);

// The text it paints (GBK).
extern const char kPlaceholderText[];

}  // namespace lp
