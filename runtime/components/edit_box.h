// The edit box component (Core Library type 5): a Win32 EDIT control with
// its own colours and font, typed input modes, single-line text centred in a
// box of any height and an optional up-down adjuster.
#pragma once
#include <cstdint>

#include "runtime/core/program_header.h"

namespace lp {

// The interface provider of the edit box type.
void* editBoxInterface(int32_t number);

// The append-text method: each text argument goes to the end of the box,
// which scrolls to it.
void cmdEditBoxAppendText(ValueRecord* result, int32_t argc, ValueRecord* args);

}  // namespace lp
