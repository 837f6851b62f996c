// The numeric value of a typed value record.
#pragma once
#include "runtime/core/value.h"

namespace lp {

// byte, short, integer, long integer, float, double, logical and subroutine
// pointer give their value; every other type gives 0.
double numberOf(const ValueRecord& value);

}  // namespace lp
