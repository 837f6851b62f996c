#include "runtime/core/shutdown.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/core/library_calls.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

bool g_shutdownDone = false;

void releaseLibrariesAndModules() {
  RuntimeState& state = runtime();
  for (DllCommand& command : state.dllCommands) {
    if (command.module) FreeLibrary(command.module);
  }
  state.dllCommands.clear();
  state.libraries = nullptr;
  state.libraryCount = 0;
  state.libraryData.clear();
  clearStaticRanges();
  if (state.oleInitialised) {
    OleUninitialize();
    state.oleInitialised = false;
  }
}

}  // namespace

void shutdown(int32_t code) {
  RuntimeState& state = runtime();
  state.suspendCount++;
  if (state.guiThread != 0 && GetCurrentThreadId() != state.guiThread) {
    // Only the GUI thread may tear the runtime down: ask it to.
    if (state.messageWindow) {
      SendMessageA(state.messageWindow, kExitRequestMessage, static_cast<WPARAM>(code), 0);
    }
    if (!state.exiting) ExitProcess(static_cast<UINT>(code));
    return;
  }
  if (g_shutdownDone) return;
  g_shutdownDone = true;
  state.exiting = true;
  state.idleHandlers.clear();
  releaseWindowRegistry();
  if (CleanupRoutine cleanup = state.cleanup) {
    state.cleanup = nullptr;
    cleanup();
  }
  notifyLibrariesOfShutdown();
  releaseLibrariesAndModules();
}

void exitProcess(int32_t code) {
  shutdown(code);
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace lp
