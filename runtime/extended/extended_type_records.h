// The Extended Interface Library's component type records, types 1 to 5.
#pragma once
#include "runtime/core/component_type.h"
#include "runtime/extended/extended_type_table.h"

namespace lp {

// Filled before the program starts; entry i is type number i + 1.
extern ComponentTypeRecord kExtendedTypeRecords[kExtendedTypeCount];

}  // namespace lp
