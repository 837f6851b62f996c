// Event dispatch: from a component's numbered event to the application's
// handler bound in the window template, and the handler's result back.
#pragma once
#include <cstdint>
#include "runtime/core/component_type.h"

namespace lp {

// Word event record (library service 2008), filled by the component.
struct WordEvent {
  uint32_t windowId;
  uint32_t unitId;  // 0: the window's own unit
  int32_t event;    // own events from 0, common events negative
  int32_t argCount; // 0..5
  uint32_t args[5];
  int32_t hasResult;  // written only when the handler returned a value
  uint32_t result;
};

// Event argument record of the typed event record.
struct EventArgument {
  uint32_t low;
  uint32_t high;
  uint32_t type;
  uint32_t flags;  // bit 0: pass the low word alone; bit 1: pass both words
};
static_assert(sizeof(EventArgument) == 16, "event arguments are 16 bytes");

// Typed event record (library service 2031).
struct TypedEvent {
  uint32_t windowId;
  uint32_t unitId;
  int32_t event;
  int32_t argCount;  // 0..12
  EventArgument args[12];
  int32_t hasResult;
  uint32_t resultLow;
  uint32_t resultHigh;
};

// How the runtime calls an application handler: the arguments as words (a
// 64-bit argument takes one entry), and the handler tells whether it returned
// a value and which.
struct HandlerCall {
  int32_t argCount;
  uint64_t args[12];
  int32_t returned;
  uint64_t value;
};
typedef void (*EventHandler)(HandlerCall* call);

// 1 when a handler ran, 0 when there was none (the record is then unchanged).
int32_t raiseWordEvent(WordEvent* record);
int32_t raiseTypedEvent(TypedEvent* record);

// The event being dispatched (window id 0 when none).
uint32_t currentEventWindow();
uint32_t currentEventUnit();

// Looks a component type record up by unit type code (library service 1002).
const ComponentTypeRecord* componentType(uint32_t typeCode);

constexpr uint32_t kMenuTypeCode = 0x00010003u;

}  // namespace lp
