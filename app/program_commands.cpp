#include "app/program_commands.h"

#include "app/commands.h"
#include "app/enciphered_texts.h"
#include "app/runtime_calls.h"
#include "constant_layout.h"

namespace reader {

// At once: no question, nothing saved.
void exitReader() { exitProgram(0); }

void showRightsNotice() {
  constexpr int32_t kInformationIcon = 0x40;
  cmd::infoBox(decipheredConstant(lp::constants::kRightsNotice), kInformationIcon, "Message:");
}

void openUpdateAddress() { cmd::shellOpen(decipheredConstant(lp::constants::kUpdateAddress)); }

}  // namespace reader
