// The message loop with idle handlers, in main and in modal mode.
#pragma once
#include <windows.h>
#include <cstdint>
#include "runtime/core/runtime_state.h"

namespace lp {

// Runs until WM_QUIT (main loop) or, with modal set, until the current modal
// window id becomes 0 or a WM_QUIT arrives (left in the queue).
void runMessageLoop(bool modal);

// Idle handlers, called from the last registered to the first while no
// message waits. Registration needs a valid window, a callback and a window
// not yet registered.
bool addIdleHandler(HWND window, IdleCallback callback, uintptr_t argument);
void removeIdleHandler(HWND window);
// One pass over the idle handlers, as the loop makes when the queue empties.
void runIdleHandlers();

// Slot 10: sets the running flag and runs the main loop if a window is open.
void run();

}  // namespace lp
