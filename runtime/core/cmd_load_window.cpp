// LoadWindow: the load-window request of the library service.
#include "runtime/core/command_args.h"
#include "runtime/core/library_service.h"
#include "runtime/core/window_commands.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

// The live object of a loaded window (its own unit), or null.
ComponentObject* liveWindow(const ValueRecord& identity) {
  WindowRecord* window = findWindow(identity.low);
  return window && findUnit(*window, identity.high) == 0 ? liveObject(*window, 0) : nullptr;
}

}  // namespace

void cmdLoadWindow(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  if (argCount < 1) return setLogical(result, false);
  LoadRequest request{args[0].low, nullptr, logicalArg(argCount, args, 2, false) ? 1 : 0};
  if (hasArg(argCount, args, 1)) {
    request.owner = liveWindow(args[1]);
    if (!request.owner) return setLogical(result, false);
  }
  setLogical(result, libraryService(kSvcLoadWindow, reinterpret_cast<uintptr_t>(&request), 0) == 0);
}

}  // namespace lp
