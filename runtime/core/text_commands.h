// The Core Library's text and number commands. Texts are GBK: a byte of 0x80
// or above starts a two-byte character, and every walk steps over the pair.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// (searched, sought, start position 1-based?, ignore case?) -> integer, -1 when absent
void cmdFindText(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (any value) -> double; texts accept full-width digits, point, sign and space
void cmdToNumber(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (text) -> the text without half-width and full-width spaces
void cmdRemoveAllSpaces(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (text, delimiter? ",", maximum count?) -> one-dimensional array of texts
void cmdSplitText(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (any value) -> its canonical text form
void cmdToText(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace lp
