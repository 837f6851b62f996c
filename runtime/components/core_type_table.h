// The Core Library's component types 1 to 51 as plain facts: names, type
// flags and property descriptors. Types this system does not carry have
// empty entries. The interface providers are not here: the Win32 side keeps
// its own table from type number to entry points and builds the runtime's
// type records from both.
#pragma once
#include <cstdint>

#include "runtime/components/property_facts.h"

namespace lp {

enum CoreTypeNumber : uint16_t {
  kWindowType = 1,
  kMenuType = 3,
  kEditBoxType = 5,
  kLabelType = 10,
  kButtonType = 11,
  kListBoxType = 15,
  kColorPickerType = 28,
  kCommonDialogType = 31,
  kExternalDatabaseType = 46,
};

constexpr uint32_t kCoreTypeCount = 51;
// Entry i describes type number i + 1.
extern const ComponentTypeFacts kCoreTypes[kCoreTypeCount];

// The facts of a type number; null outside 1 to 51.
const ComponentTypeFacts* coreType(uint32_t number);

}  // namespace lp
