// Ending the process: shutdown with an exit code from any thread.
#pragma once
#include <cstdint>

namespace lp {

// Runs shutdown (once) and ends the process with the code.
[[noreturn]] void exitProcess(int32_t code);
// Shutdown without ending the process (the framework's exit step).
void shutdown(int32_t code);

// Message the hidden window answers by exiting with wParam as the code.
constexpr unsigned kExitRequestMessage = 0x83E7;

}  // namespace lp
