#include "runtime/core/library_service.h"

#include <windows.h>

#include "runtime/core/error_report.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/message_loop.h"
#include "runtime/core/message_pump.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/value_numbers.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

// Loaded once and kept, also when the program carries no icon (a program
// built without its resources): every window asks, and a failed search of
// the resources would be repeated for each.
void programIcons(HICON* out) {
  static HICON big = nullptr, small = nullptr;
  static bool loaded = false;
  if (!loaded) {
    loaded = true;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    big = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                        GetSystemMetrics(SM_CYICON), LR_SHARED));
    small = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                          LR_SHARED));
  }
  out[0] = big;
  out[1] = small;
}

int32_t unitAt(uint32_t windowId, UnitInfo* info) {
  WindowRecord* window = findWindow(windowId);
  if (!window || !info || info->position < 0) return 0;
  const auto& units = window->working.units;
  const size_t position = static_cast<size_t>(info->position);
  if (position >= units.size()) return 0;
  const UnitRecord& unit = units[position];
  info->id = unit.id;
  info->typeCode = unit.isMenu ? unit.menu.head.typeCode : unit.component.head.typeCode;
  info->state = unit.isMenu ? 0 : unit.component.state;
  info->tabOrder = unit.isMenu ? 0 : unit.component.tabOrder;
  info->menuPosition = -1;
  if (unit.isMenu) {
    info->menuPosition = 0;
    for (size_t i = 0; i < position; ++i) info->menuPosition += units[i].isMenu ? 1 : 0;
  }
  info->object = position < window->slots.size() ? liveObject(*window, static_cast<int>(position)) : nullptr;
  info->cursor = position < window->slots.size() ? window->slots[position].cursor : nullptr;
  return 1;
}

ComponentObject* findComponent(uint32_t windowId, uint32_t unitId) {
  WindowRecord* window = findWindow(windowId);
  if (!window) return nullptr;
  return liveObject(*window, findUnit(*window, unitId));
}

}  // namespace

intptr_t libraryService(int32_t code, uintptr_t first, uintptr_t second) {
  RuntimeState& state = runtime();
  switch (code) {
    case kSvcProgramIcons:
      programIcons(reinterpret_cast<HICON*>(first));
      return 0;
    case kSvcWindowRegistry:
      return reinterpret_cast<intptr_t>(&windowRecords());
    case kSvcComponentType:
      return reinterpret_cast<intptr_t>(componentType(static_cast<uint32_t>(first)));
    case kSvcUnitDestroyed:
      unitDestroyed(static_cast<uint32_t>(first), static_cast<uint32_t>(second));
      return 0;
    case kSvcToDouble: {
      // second: where the double goes.
      const auto* value = reinterpret_cast<const ValueRecord*>(first);
      if (!value || !isNumericType(value->type)) reportError("欲转换数据类型不是数值", 0);
      *reinterpret_cast<double*>(second) = numberOf(*value);
      return 1;
    }
    case kSvcProgramDirectory:
      return reinterpret_cast<intptr_t>(state.programDirectoryNoSlash.c_str());
    case kSvcProgramFileName:
      return reinterpret_cast<intptr_t>(state.programFileName.c_str());
    case kSvcLoadWindow: {
      const auto* request = reinterpret_cast<const LoadRequest*>(first);
      HWND owner = request->owner ? static_cast<ComponentObject*>(request->owner)->window : nullptr;
      if (request->owner && !owner) return -1;
      return loadWindowRequest(request->windowId, owner, request->modal != 0);
    }
    case kSvcFindComponent:
      return reinterpret_cast<intptr_t>(findComponent(static_cast<uint32_t>(first), static_cast<uint32_t>(second)));
    case kSvcRequireComponent: {
      ComponentObject* object = findComponent(static_cast<uint32_t>(first), static_cast<uint32_t>(second));
      if (!object) reportError("指定窗口或窗口组件不存在或尚未载入", 0);
      return reinterpret_cast<intptr_t>(object);
    }
    case kSvcRaiseEvent:
      return raiseWordEvent(reinterpret_cast<WordEvent*>(first));
    case kSvcLoadBegins:
      processWaitingMessages();
      state.suspendCount++;
      return 0;
    case kSvcLoadEnds:
      processWaitingMessages();
      if (state.suspendCount > 0) state.suspendCount--;
      return 0;
    case kSvcSetPreTranslator:
      setPreTranslator(reinterpret_cast<HWND>(first), reinterpret_cast<const PreTranslator*>(second));
      return 0;
    case kSvcProcessMessages:
      processWaitingMessages();
      return 0;
    case kSvcAllocate:
      return reinterpret_cast<intptr_t>(second ? tryAllocate(static_cast<int32_t>(first))
                                               : allocate(static_cast<int32_t>(first)));
    case kSvcFree:
      release(reinterpret_cast<void*>(first));
      return 0;
    case kSvcReallocate:
      return reinterpret_cast<intptr_t>(reallocate(reinterpret_cast<void*>(first), static_cast<int32_t>(second)));
    case kSvcRaiseTypedEvent:
      return raiseTypedEvent(reinterpret_cast<TypedEvent*>(first));
    case kSvcCreatingModalWindow:
      return creatingModalWindow() ? 1 : 0;
    case kSvcWindowAccelerators: {
      WindowRecord* window = findWindow(static_cast<uint32_t>(first));
      return window ? reinterpret_cast<intptr_t>(window->accelerators) : 0;
    }
    case kSvcRestoreDisabledWindows:
      restoreWindowsDisabledBy(static_cast<uint32_t>(first));
      return 0;
    case kSvcEventSuspended:
      return state.suspendCount > 0 ? 1 : 0;
    case kSvcAddIdleHandler: {
      const auto* r = reinterpret_cast<const IdleRegistration*>(first);
      return addIdleHandler(static_cast<HWND>(r->window), r->callback, r->argument) ? 1 : 0;
    }
    case kSvcRemoveIdleHandler:
      removeIdleHandler(reinterpret_cast<HWND>(first));
      return 0;
    case kSvcUnitAt:
      return unitAt(static_cast<uint32_t>(first), reinterpret_cast<UnitInfo*>(second));
    case kSvcWindowAt: {
      const auto& windows = windowRecords();
      return first < windows.size() ? static_cast<intptr_t>(windows[first].working.id) : 0;
    }
    case kSvcLastWindowGone:
      return state.running && !anyWindowOpen() ? 1 : 0;
    case kSvcHiddenOwner:
      return reinterpret_cast<intptr_t>(state.messageWindow);
    default:
      return 0;
  }
}

}  // namespace lp
