// The window registry: the window templates read from the program image, with
// the working list of each window (where live objects are recorded while it
// is loaded) and its reserve copy (the template values, restored on close).
#pragma once
#include <windows.h>
#include <cstdint>
#include <utility>
#include <vector>
#include "runtime/core/component_object.h"
#include "runtime/core/template_format.h"

namespace lp {

// What the runtime keeps beside each unit record while the window is loaded.
struct UnitSlots {
  ComponentObject* object = nullptr;
  HCURSOR cursor = nullptr;
  HMENU menu = nullptr;  // drop-down of a menu entry with items below it
};

struct WindowRecord {
  WindowTemplate working;
  WindowTemplate reserve;
  std::vector<UnitSlots> slots;  // parallel to working.units
  // Fixed-up handler addresses (code base + offset; 0 for none), per unit:
  // one per event binding, or the one click handler of a menu item.
  std::vector<std::vector<uintptr_t>> handlers;
  bool closing = false;
  bool freshlyLoaded = false;
  bool loadedModal = false;
  // The unit being re-created: the destruction of its old window keeps the slots.
  uint32_t recreatingUnit = 0;
  HACCEL accelerators = nullptr;  // installed in the window by the loader
  // Windows a modal load disabled, with their previous enabled state.
  std::vector<std::pair<HWND, bool>> disabledByModal;
};

// Reads the template data and fixes up the handler offsets against the code
// base. Raises "载入窗口模板数据段出错!" on unreadable data.
void loadWindowTemplates(const uint8_t* data, uint32_t length, const void* codeBase);
void releaseWindowRegistry();

std::vector<WindowRecord>& windowRecords();
WindowRecord* findWindow(uint32_t windowId);
// Index of a unit in the working list; unit id 0 means unit 0; -1 when absent.
int findUnit(const WindowRecord& window, uint32_t unitId);
// The live object of a unit, or null (menu items never count as components).
ComponentObject* liveObject(const WindowRecord& window, int unitIndex);

// Whether any window's own unit has a live object with a valid window.
bool anyWindowOpen();

}  // namespace lp
