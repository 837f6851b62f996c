// The Core Library's file commands. Paths are GBK texts, handed to the wide
// file functions after conversion, so they work whatever the system code page.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// (path) -> logical: the file was deleted
void cmdRemoveFile(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (path or pattern) -> logical: at least one file or folder matches
void cmdFileExists(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (path, byte-set, ...) -> logical: the file now holds exactly those bytes
void cmdWriteToFile(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace lp
