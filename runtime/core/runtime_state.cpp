#include "runtime/core/runtime_state.h"

#include "runtime/core/message_pump.h"

namespace lp {

RuntimeState& runtime() {
  static RuntimeState state;
  return state;
}

void processWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (msg.message == WM_QUIT) return;
    if (!pumpMessage()) return;
  }
}

}  // namespace lp
