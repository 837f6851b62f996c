// What the runtime knows of a live component: its window and its identity.
// Every component object starts with this record.
#pragma once
#include <windows.h>
#include <cstdint>

namespace lp {

struct ComponentObject {
  HWND window = nullptr;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
};

}  // namespace lp
