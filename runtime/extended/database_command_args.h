// How the database commands read their arguments and write their results.
// The first argument is always the component {window id, unit id, type};
// an omitted optional argument has type code 0.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"
#include "runtime/extended/external_database.h"

namespace lp {

// The live component named by args[0], found through the runtime (which
// reports a missing one); null when there is no such argument.
ExternalDatabase* databaseArgument(int32_t argc, const ValueRecord* args);

bool isOmitted(int32_t argc, const ValueRecord* args, int32_t index);
// The text of an argument; null when it is omitted or not a text (an empty
// text may also be null).
const char* textArgument(int32_t argc, const ValueRecord* args, int32_t index);
// A numeric or logical argument as a 32-bit integer: integers as they are,
// other numbers truncated toward zero and kept within the 32-bit range;
// 0 for an omitted argument or one of any other type.
int32_t integerArgument(int32_t argc, const ValueRecord* args, int32_t index);
// A handle the application keeps in an integer variable.
DbHandle handleArgument(int32_t argc, const ValueRecord* args, int32_t index);

ValueRecord integerValue(int32_t value);
ValueRecord logicalValue(bool value);

}  // namespace lp
