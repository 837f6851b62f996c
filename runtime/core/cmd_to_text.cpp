// ToText: the canonical text form of any value.
#include "runtime/core/command_args.h"
#include "runtime/core/text_commands.h"
#include "runtime/core/text_form.h"

namespace lp {

void cmdToText(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  setText(result, argCount < 1 ? std::string() : textForm(args[0]));
}

}  // namespace lp
