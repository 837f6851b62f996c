// Commands of the System Interface Library (special folders) and of the
// Application Interface Library (opening a document with the shell).
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// (folder code 1..11) -> text ending in exactly one backslash, or empty
void cmdGetSpecialFolder(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (target?) opens the target with its default handler
void cmdShellOpen(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace lp
