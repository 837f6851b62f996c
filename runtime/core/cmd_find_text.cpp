// FindText: the arguments of the search in text_find.cpp.
#include "runtime/core/command_args.h"
#include "runtime/core/text_commands.h"
#include "runtime/core/text_find.h"

namespace lp {

void cmdFindText(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  setInteger(result, findText(textArg(argCount, args, 0), textArg(argCount, args, 1),
                              intArg(argCount, args, 2, 1), logicalArg(argCount, args, 3, false)));
}

}  // namespace lp
