#include "runtime/components/window_units.h"

#include "runtime/components/library_link.h"

namespace lp {

const ComponentTypeRecord* typeRecord(uint32_t typeCode) {
  return reinterpret_cast<const ComponentTypeRecord*>(callRuntime(kSvcComponentType, typeCode));
}

std::vector<WindowUnit> windowUnits(uint32_t windowId) {
  std::vector<WindowUnit> units;
  for (int32_t position = 0;; ++position) {
    WindowUnit unit = {};
    unit.info.position = position;
    if (!callRuntime(kSvcUnitAt, windowId, reinterpret_cast<uintptr_t>(&unit.info))) break;
    unit.type = unit.info.menuPosition < 0 ? typeRecord(unit.info.typeCode) : nullptr;
    auto* object = static_cast<ComponentObject*>(unit.info.object);
    unit.window = object ? object->window : nullptr;
    units.push_back(unit);
  }
  return units;
}

int unitOwning(const std::vector<WindowUnit>& units, HWND w, HWND top) {
  for (; w && w != top; w = GetParent(w)) {
    for (size_t i = 1; i < units.size(); ++i) {
      if (units[i].window == w) return static_cast<int>(i);
    }
  }
  return 0;
}

}  // namespace lp
