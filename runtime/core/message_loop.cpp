#include "runtime/core/message_loop.h"

#include "runtime/core/message_pump.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

// Idle processing of the framework: nothing beyond the handlers above is
// needed, so one pass per idle period is enough.
bool frameworkIdle(long /*idleCount*/) { return false; }

}  // namespace

void runIdleHandlers() {
  auto& handlers = runtime().idleHandlers;
  for (size_t i = handlers.size(); i-- > 0;) {
    if (i >= handlers.size()) continue;  // a callback removed entries
    IdleHandler entry = handlers[i];
    if (IsWindow(entry.window)) {
      entry.callback(entry.argument);
    } else {
      handlers.erase(handlers.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

bool addIdleHandler(HWND window, IdleCallback callback, uintptr_t argument) {
  if (!IsWindow(window) || !callback) return false;
  auto& handlers = runtime().idleHandlers;
  for (const IdleHandler& h : handlers) {
    if (h.window == window) return false;
  }
  handlers.push_back({window, callback, argument});
  return true;
}

void removeIdleHandler(HWND window) {
  auto& handlers = runtime().idleHandlers;
  for (size_t i = 0; i < handlers.size(); ++i) {
    if (handlers[i].window == window) {
      handlers.erase(handlers.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
  }
}

void runMessageLoop(bool modal) {
  RuntimeState& state = runtime();
  bool idle = true;
  long idleCount = 0;
  MSG msg;
  for (;;) {
    while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      runIdleHandlers();
      if (modal && state.currentModalWindow == 0) return;
      if (!frameworkIdle(idleCount++)) idle = false;
    }
    do {
      if (modal) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message == WM_QUIT) return;
        if (state.currentModalWindow == 0) return;
      }
      if (!pumpMessage()) return;
      if (resetsIdle(msg)) {
        idle = true;
        idleCount = 0;
      }
    } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

void run() {
  runtime().running = true;
  if (anyWindowOpen()) runMessageLoop(false);
}

}  // namespace lp
