#include "runtime/core/window_registry.h"

#include "runtime/core/error_report.h"

namespace lp {
namespace {

std::vector<WindowRecord> g_windows;

uintptr_t fixUp(const void* codeBase, int32_t offset) {
  // -1 means no handler; 0 is a real handler at the code base itself.
  if (offset == -1) return 0;
  return reinterpret_cast<uintptr_t>(codeBase) + static_cast<intptr_t>(offset);
}

}  // namespace

std::vector<WindowRecord>& windowRecords() { return g_windows; }

void loadWindowTemplates(const uint8_t* data, uint32_t length, const void* codeBase) {
  TemplateData parsed;
  if (!readTemplateData(data, length, parsed)) reportError("载入窗口模板数据段出错!", 0);
  g_windows.clear();
  g_windows.resize(parsed.windows.size());
  for (size_t i = 0; i < parsed.windows.size(); ++i) {
    WindowRecord& record = g_windows[i];
    record.working = std::move(parsed.windows[i]);
    record.slots.resize(record.working.units.size());
    record.handlers.resize(record.working.units.size());
    for (size_t u = 0; u < record.working.units.size(); ++u) {
      const UnitRecord& unit = record.working.units[u];
      std::vector<uintptr_t>& fixed = record.handlers[u];
      if (unit.isMenu) {
        fixed.push_back(fixUp(codeBase, unit.menu.handlerOffset));
      } else {
        for (const EventBinding& binding : unit.component.events)
          fixed.push_back(fixUp(codeBase, binding.handlerOffset));
      }
    }
  }
}

void releaseWindowRegistry() { g_windows.clear(); }

WindowRecord* findWindow(uint32_t windowId) {
  if (!isValidId(windowId) || g_windows.empty()) return nullptr;
  if (g_windows[0].working.id == windowId) return &g_windows[0];
  for (WindowRecord& record : g_windows) {
    if (record.working.id == windowId) return &record;
  }
  return nullptr;
}

int findUnit(const WindowRecord& window, uint32_t unitId) {
  const auto& units = window.working.units;
  if (units.empty()) return -1;
  if (unitId == 0) return 0;
  for (size_t i = 0; i < units.size(); ++i) {
    if (units[i].id == unitId) return static_cast<int>(i);
  }
  return -1;
}

ComponentObject* liveObject(const WindowRecord& window, int unitIndex) {
  if (unitIndex < 0 || static_cast<size_t>(unitIndex) >= window.slots.size()) return nullptr;
  if (window.working.units[static_cast<size_t>(unitIndex)].isMenu) return nullptr;
  ComponentObject* object = window.slots[static_cast<size_t>(unitIndex)].object;
  return object && IsWindow(object->window) ? object : nullptr;
}

bool anyWindowOpen() {
  for (const WindowRecord& record : g_windows) {
    if (liveObject(record, 0)) return true;
  }
  return false;
}

}  // namespace lp
