// The Extended Interface Library's component types as plain facts (see
// core_type_table.h): 4 the report list and 5 the transparent label; the
// others are not carried and stay empty.
#pragma once
#include <cstdint>

#include "runtime/components/property_facts.h"

namespace lp {

enum ExtendedTypeNumber : uint16_t {
  kReportListType = 4,
  kTransparentLabelType = 5,
};

constexpr uint32_t kExtendedTypeCount = 5;
// Entry i describes type number i + 1.
extern const ComponentTypeFacts kExtendedTypes[kExtendedTypeCount];

// The facts of a type number; null outside 1 to 5.
const ComponentTypeFacts* extendedType(uint32_t number);

}  // namespace lp
