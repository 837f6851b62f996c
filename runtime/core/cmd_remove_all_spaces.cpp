// RemoveAllSpaces: drops half-width (0x20) and full-width (0xA1 0xA1) spaces.
#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/gbk_step.h"
#include "runtime/core/text_commands.h"

namespace lp {

void cmdRemoveAllSpaces(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  std::string out;
  for (const char* p = textArg(argCount, args, 0); *p;) {
    const auto lead = static_cast<unsigned char>(p[0]);
    if (!isLeadByte(lead)) {
      if (lead != ' ') out += *p;
      ++p;
      continue;
    }
    if (p[1] == 0) break;  // a lead byte cut off at the end is dropped
    if (!(lead == 0xA1 && static_cast<unsigned char>(p[1]) == 0xA1)) out.append(p, 2);
    p += 2;
  }
  setText(result, out);
}

}  // namespace lp
