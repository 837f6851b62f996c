// A test library of fake component types: a window type and a plain child
// type that log what happens to them, and a type without create entry.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/component_object.h"

namespace fake {

constexpr uint32_t kWindowType = 0x00010001u;  // library 1, type 1
constexpr uint32_t kChildType = 0x00010002u;   // library 1, type 2
constexpr uint32_t kMenuType = 0x00010003u;    // library 1, type 3
constexpr uint32_t kFontType = 0x00010004u;    // library 1, type 4: child with a font property
constexpr uint32_t kBrokenType = 0x00010005u;  // library 1, type 5: no create entry

struct Created {
  uint32_t unitId;
  uint32_t controlId;
  HWND parentAtCreate;
  uint32_t presetStyle;
};

struct Log {
  std::vector<Created> created;
  std::vector<std::string> events;  // what the test handlers saw
  int setPropertyCalls = 0;
};
Log& log();

// Installs the fake library as the runtime's only library and resets the log.
void install();

// A child component raises this own event while being created (it must be
// dropped, since the loader suspends dispatch).
constexpr int32_t kEventDuringCreate = 5;

}  // namespace fake
