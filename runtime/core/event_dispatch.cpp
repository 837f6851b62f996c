#include "runtime/core/event_dispatch.h"

#include "runtime/core/error_report.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

uint32_t g_eventWindow = 0;
uint32_t g_eventUnit = 0;

EventHandler lookUpHandler(uint32_t windowId, uint32_t unitId, int32_t event) {
  if (runtime().suspendCount > 0) return nullptr;
  WindowRecord* window = findWindow(windowId);
  if (!window) reportError("未找到引发事件的窗口", 0);
  int index = findUnit(*window, unitId);
  if (index < 0) reportError("未找到引发事件的窗口组件", 0);
  const auto& units = window->working.units;
  // A unit may use the bindings of another unit of the same type.
  for (int hops = 0; hops < static_cast<int>(units.size()); ++hops) {
    const UnitRecord& unit = units[static_cast<size_t>(index)];
    uint32_t delegate = unit.isMenu ? unit.menu.head.eventDelegate : unit.component.head.eventDelegate;
    if (delegate == 0) break;
    int next = findUnit(*window, delegate);
    if (next < 0 || next == index) break;
    const UnitRecord& target = units[static_cast<size_t>(next)];
    uint32_t ownType = unit.isMenu ? unit.menu.head.typeCode : unit.component.head.typeCode;
    uint32_t targetType = target.isMenu ? target.menu.head.typeCode : target.component.head.typeCode;
    if (ownType != targetType) break;
    index = next;
  }
  const UnitRecord& unit = units[static_cast<size_t>(index)];
  uint32_t typeCode = unit.isMenu ? unit.menu.head.typeCode : unit.component.head.typeCode;
  const ComponentTypeRecord* type = componentType(typeCode);
  if (!type || (type->flags & (kTypeWindowComponent | kTypeMenu)) == 0)
    reportError("引发事件的窗口组件无效", 0);
  const std::vector<uintptr_t>& handlers = window->handlers[static_cast<size_t>(index)];
  uintptr_t address = 0;
  if (typeCode == kMenuTypeCode) {
    address = handlers.empty() ? 0 : handlers[0];
  } else {
    const auto& events = unit.component.events;
    for (size_t i = 0; i < events.size(); ++i) {
      if (events[i].event == event) {
        address = handlers[i];
        break;
      }
    }
  }
  if (address == 0) return nullptr;
  g_eventWindow = windowId;
  g_eventUnit = unitId == 0 ? window->working.units[0].id : unitId;
  return reinterpret_cast<EventHandler>(address);
}

uint64_t argumentWord(const EventArgument& a) {
  uint64_t both = (static_cast<uint64_t>(a.high) << 32) | a.low;
  if (a.flags & 1) return a.low;
  if ((a.flags & 2) || a.type == kMenuTypeCode) return both;
  switch (a.type) {
    case 0x80000101u: return a.low & 0xFFu;  // byte: zero-extended
    case 0x80000201u: return static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(a.low)));
    case 0x80000003u:  // date-time
    case 0x80000401u:  // long integer
    case 0x80000601u:  // double
    case 0x80000008u:
      return both;
    default:
      return a.low;
  }
}

}  // namespace

uint32_t currentEventWindow() { return g_eventWindow; }
uint32_t currentEventUnit() { return g_eventUnit; }

int32_t raiseWordEvent(WordEvent* record) {
  EventHandler handler = lookUpHandler(record->windowId, record->unitId, record->event);
  if (!handler) return 0;
  HandlerCall call = {};
  call.argCount = record->argCount < 0 ? 0 : (record->argCount > 5 ? 5 : record->argCount);
  for (int i = 0; i < call.argCount; ++i) call.args[i] = record->args[i];
  handler(&call);
  g_eventWindow = 0;
  if (call.returned) {
    record->hasResult = 1;
    record->result = static_cast<uint32_t>(call.value);
  }
  return 1;
}

int32_t raiseTypedEvent(TypedEvent* record) {
  EventHandler handler = lookUpHandler(record->windowId, record->unitId, record->event);
  if (!handler) return 0;
  HandlerCall call = {};
  call.argCount = record->argCount < 0 ? 0 : (record->argCount > 12 ? 12 : record->argCount);
  for (int i = 0; i < call.argCount; ++i) call.args[i] = argumentWord(record->args[i]);
  handler(&call);
  g_eventWindow = 0;
  if (call.returned) {
    record->hasResult = 1;
    record->resultLow = static_cast<uint32_t>(call.value);
    record->resultHigh = static_cast<uint32_t>(call.value >> 32);
  }
  return 1;
}

const ComponentTypeRecord* componentType(uint32_t typeCode) {
  if (typeCode == 0 || (typeCode & 0xC0000000u) == 0x80000000u || (typeCode & 0xC0000000u) == 0x40000000u)
    return nullptr;
  const RuntimeState& state = runtime();
  uint32_t library = typeCode >> 16;
  uint32_t type = typeCode & 0xFFFFu;
  if (library < 1 || library > state.libraryCount || !state.libraries) return nullptr;
  const LibraryInfo* info = state.libraries[library - 1];
  if (!info || type < 1 || type > static_cast<uint32_t>(info->typeCount) || !info->types) return nullptr;
  const ComponentTypeRecord* record = &info->types[type - 1];
  // Types a library does not carry have empty records.
  return record->provider || record->flags ? record : nullptr;
}

}  // namespace lp
