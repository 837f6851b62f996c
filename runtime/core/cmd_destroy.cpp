// Destroy: a window closes when its close request arrives (or at once); a
// component is destroyed and taken out of its window's unit slots, together
// with the components inside it.
#include <vector>

#include "runtime/core/command_args.h"
#include "runtime/core/library_service.h"
#include "runtime/core/window_commands.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

void destroyComponent(WindowRecord& window, uint32_t windowId, uint32_t unitId, HWND handle) {
  // Their objects go with their windows, so find them while they still exist.
  std::vector<uint32_t> gone{unitId};
  for (size_t i = 1; i < window.slots.size(); ++i) {
    ComponentObject* inner = liveObject(window, static_cast<int>(i));
    if (inner && IsChild(handle, inner->window)) gone.push_back(window.working.units[i].id);
  }
  DestroyWindow(handle);
  for (uint32_t id : gone) unitDestroyed(windowId, id);
}

}  // namespace

void cmdDestroy(ValueRecord*, int32_t argCount, ValueRecord* args) {
  const uint32_t windowId = argCount >= 1 ? args[0].low : 0;
  const uint32_t unitId = argCount >= 1 ? args[0].high : 0;
  // An unknown window or component is reported, which ends the program.
  auto* object = reinterpret_cast<ComponentObject*>(libraryService(kSvcRequireComponent, windowId, unitId));
  WindowRecord& window = *findWindow(windowId);
  const HWND handle = object->window;
  if (findUnit(window, unitId) != 0) {
    destroyComponent(window, windowId, unitId, handle);
  } else if (logicalArg(argCount, args, 1, false)) {
    // A modal window destroyed at once must not leave the others disabled.
    restoreWindowsDisabledBy(windowId);
    DestroyWindow(handle);
  } else {
    window.closing = true;
    PostMessageW(handle, kMsgCloseRequest, 0, 0);
  }
}

}  // namespace lp
