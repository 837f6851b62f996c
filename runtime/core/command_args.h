// Reading command arguments and writing command results. An argument the
// caller left out has type code 0 (or lies beyond the argument count).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/core/value.h"

namespace lp {

bool hasArg(int32_t argCount, const ValueRecord* args, int32_t index);

// A text argument; "" when left out, null or not a text.
const char* textArg(int32_t argCount, const ValueRecord* args, int32_t index);
// A numeric or logical argument truncated to an integer; fallback when left out.
int32_t intArg(int32_t argCount, const ValueRecord* args, int32_t index, int32_t fallback);
bool logicalArg(int32_t argCount, const ValueRecord* args, int32_t index, bool fallback);

void setLogical(ValueRecord* result, bool value);
void setInteger(ValueRecord* result, int32_t value);
void setDouble(ValueRecord* result, double value);
// A new text block owned by the caller; the empty text is a null pointer.
void setText(ValueRecord* result, std::string_view text);

}  // namespace lp
