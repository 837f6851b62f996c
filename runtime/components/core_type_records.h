// The Core Library's component type records, types 1 to 51.
#pragma once
#include "runtime/components/core_type_table.h"
#include "runtime/core/component_type.h"

namespace lp {

// Filled before the program starts; entry i is type number i + 1.
extern ComponentTypeRecord kCoreTypeRecords[kCoreTypeCount];

}  // namespace lp
