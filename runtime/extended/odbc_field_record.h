// A field value record as the typed value a command returns.
#pragma once
#include "runtime/core/value.h"
#include "runtime/extended/odbc_engine.h"

namespace lp {

// Numbers, logicals and date-times by value; text and byte-set data copied
// into new runtime-owned blocks (the field keeps its own copy, for EmptyVar).
// Kind 0 gives a text value with no data.
ValueRecord fieldValueRecord(const FieldValue& field);

}  // namespace lp
