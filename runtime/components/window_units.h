// The window component's view of its window's units, asked from the runtime
// (library service 2038): identity, type, template state, tab order and the
// live object of each, in unit order.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

#include "runtime/core/component_type.h"
#include "runtime/core/library_service.h"

namespace lp {

struct WindowUnit {
  UnitInfo info;
  const ComponentTypeRecord* type;  // null for none
  HWND window;                      // of the live object, or null
};

std::vector<WindowUnit> windowUnits(uint32_t windowId);

// The position of the unit whose window is w or contains it (searching from
// w up to, not including, top); 0 (the window itself) when none.
int unitOwning(const std::vector<WindowUnit>& units, HWND w, HWND top);

// The component type record of a unit type code (library service 1002).
const ComponentTypeRecord* typeRecord(uint32_t typeCode);

inline uint32_t typeFlags(const WindowUnit& unit) { return unit.type ? unit.type->flags : 0; }

}  // namespace lp
