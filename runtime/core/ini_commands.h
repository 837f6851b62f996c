// The Core Library's settings-file (INI) commands. Texts are GBK; they reach
// the wide profile functions converted, so Chinese section and key names work
// whatever the system code page.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// (path, section, key, default? "") -> text
void cmdReadIni(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (path, section, key?, value?) -> logical; no key deletes the section, no value the key
void cmdWriteIni(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace lp
