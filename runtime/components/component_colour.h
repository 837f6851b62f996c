// Colour properties on Win32. ClrDefault is resolved when the colour is used,
// so a background follows a change of the system colours.
#pragma once
#include <windows.h>
#include <cstdint>

#include "runtime/components/colours.h"

namespace lp {

// A background colour: ClrDefault is the system face colour.
inline COLORREF backgroundColour(uint32_t value) {
  return value == kClrDefault ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(value & 0x00FFFFFFu);
}

// A colour-or-none property: ClrDefault is no colour at all.
inline bool hasColour(uint32_t value) { return value != kClrDefault; }

}  // namespace lp
