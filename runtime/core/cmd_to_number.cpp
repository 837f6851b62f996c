// ToNumber: numbers keep their value; texts are read by text_number.cpp.
#include "runtime/core/command_args.h"
#include "runtime/core/text_commands.h"
#include "runtime/core/text_number.h"
#include "runtime/core/value_numbers.h"

namespace lp {

void cmdToNumber(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  if (argCount < 1) return setDouble(result, 0.0);
  const ValueRecord& value = args[0];
  switch (value.type) {
    case kText:
      return setDouble(result, textToNumber(textArg(argCount, args, 0)));
    case kByte:
    case kShort:
    case kInt:
    case kLong:
    case kFloat:
    case kDouble:
    case kLogical:
    case kSubroutine:
      return setDouble(result, numberOf(value));
    default:
      return setDouble(result, 0.0);
  }
}

}  // namespace lp
