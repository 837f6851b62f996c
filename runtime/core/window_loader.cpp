#include "runtime/core/window_loader.h"

#include "runtime/components/placeholder_component.h"

#include "runtime/core/error_report.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/library_service.h"
#include "runtime/core/menu_builder.h"
#include "runtime/core/message_loop.h"
#include "runtime/core/runtime_state.h"

namespace lp {
namespace {

constexpr UINT kMsgDataBindingRefresh = 0x806F;
constexpr UINT kMsgLayoutBars = 0x8004;
constexpr UINT kMsgAfterCreation = 0x8076;
constexpr WORD kProgramHandCursor = 1032;

bool g_creatingModal = false;

HWND unitWindow(const WindowRecord& window, size_t index) {
  ComponentObject* object = window.slots[index].object;
  return object ? object->window : nullptr;
}

uint32_t typeOf(const UnitRecord& unit) {
  return unit.isMenu ? unit.menu.head.typeCode : unit.component.head.typeCode;
}

void raiseWindowEvent(const WindowRecord& window, int32_t event) {
  WordEvent record = {};
  record.windowId = window.working.id;
  record.unitId = 0;
  record.event = event;
  raiseWordEvent(&record);
}

bool windowAlive(const WindowRecord& window) { return liveObject(window, 0) != nullptr; }

// Undoes a load that failed half-way.
void abandonLoad(WindowRecord& window, const BuiltMenu& menu) {
  HWND own = unitWindow(window, 0);
  for (size_t i = window.slots.size(); i-- > 1;) {
    if (HWND w = unitWindow(window, i)) DestroyWindow(w);
    window.slots[i] = UnitSlots{};
  }
  if (own && IsWindow(own)) {
    SetMenu(own, nullptr);
    DestroyWindow(own);
  }
  window.slots[0] = UnitSlots{};
  if (menu.accelerators) DestroyAcceleratorTable(menu.accelerators);
  if (menu.bar) DestroyMenu(menu.bar);
  libraryService(kSvcLoadEnds, 0, 0);
}

bool createUnits(WindowRecord& window, bool reuse, HWND owner, HMENU menu) {
  auto& units = window.working.units;
  std::vector<size_t> order;
  order.push_back(0);
  for (size_t i = units.size(); i-- > 1;) {
    if (!units[i].isMenu) order.push_back(i);
  }
  uint32_t controlId = 100;
  HWND windowHandle = nullptr;
  for (size_t index : order) {
    const UnitRecord& unit = units[index];
    const ComponentUnit& c = unit.component;
    const ComponentTypeRecord* type = componentType(c.head.typeCode);
    const bool own = index == 0;
    CreateFn create = componentEntry<CreateFn>(type, kEntryCreate);
    // A component whose type has no Win32 part yet stands as the placeholder.
    if (!create && type && !own) create = createPlaceholder;
    if (!create) return false;
    uint32_t style = 0;
    if (!(type->flags & kTypeFunctionProvider)) {
      const bool disabled = (c.state & kStateDisabled) && !(own && reuse);
      if (disabled) style |= WS_DISABLED;
      if (c.state & kStateTabStop) style |= WS_TABSTOP;
    }
    ComponentObject* object =
        create(c.properties.data(), static_cast<int32_t>(c.properties.size()), style,
               own ? owner : windowHandle, own ? 0 : controlId, own ? menu : nullptr, c.left, c.top,
               c.width, c.height, window.working.id, unit.id, nullptr, 0);
    if (!object || (own && !IsWindow(object->window))) return false;
    if (!own) controlId += 10;
    window.slots[index].object = object;
    if (own) windowHandle = object->window;
  }
  return true;
}

bool markedVisible(const WindowRecord& window, size_t index, bool reuse) {
  const UnitRecord& unit = window.working.units[index];
  if (index == 0 && reuse) return true;
  const ComponentTypeRecord* type = componentType(typeOf(unit));
  if (type && (type->flags & kTypeFunctionProvider)) return false;
  return (unit.component.state & kStateVisible) != 0;
}

void parentAndOrder(WindowRecord& window, std::vector<bool>& hiddenOnOtherPage) {
  auto& units = window.working.units;
  HWND own = unitWindow(window, 0);
  for (size_t i = 1; i < units.size(); ++i) {
    if (units[i].isMenu || !window.slots[i].object) continue;
    uint32_t parentId = units[i].component.parent;
    int parentIndex = parentId == 0 ? 0 : findUnit(window, parentId);
    HWND parent = parentIndex >= 0 && window.slots[static_cast<size_t>(parentIndex)].object
                      ? unitWindow(window, static_cast<size_t>(parentIndex))
                      : own;
    SetParent(unitWindow(window, i), parent);
    const ComponentTypeRecord* type = componentType(units[i].component.head.typeCode);
    if (type && (type->flags & kTypePagedContainer)) {
      bool afterSeparator = false;
      for (uint32_t child : units[i].component.children) {
        if (child == 0) {
          afterSeparator = true;
          continue;
        }
        int ci = findUnit(window, child);
        if (afterSeparator && ci >= 0) hiddenOnOtherPage[static_cast<size_t>(ci)] = true;
      }
    }
  }
  for (size_t i = 1; i < units.size(); ++i) {
    if (units[i].isMenu || !window.slots[i].object) continue;
    HWND after = HWND_TOP;
    for (size_t j = i; j-- > 1;) {
      if (!units[j].isMenu && window.slots[j].object &&
          units[j].component.parent == units[i].component.parent) {
        after = unitWindow(window, j);
        break;
      }
    }
    SetWindowPos(unitWindow(window, i), after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

void sendToUnits(WindowRecord& window, UINT message) {
  for (size_t i = window.working.units.size(); i-- > 0;) {
    if (window.working.units[i].isMenu) continue;
    if (HWND w = unitWindow(window, i)) SendMessageA(w, message, 0, 0);
  }
}

void raiseFocusEvent(WindowRecord& window) {
  HWND focus = GetFocus();
  HWND own = unitWindow(window, 0);
  if (!focus || !own || (focus != own && !IsChild(own, focus))) return;
  uint32_t unitId = 0;
  for (size_t i = 1; i < window.working.units.size(); ++i) {
    HWND w = unitWindow(window, i);
    if (w && (w == focus || IsChild(w, focus))) {
      unitId = window.working.units[i].id;
      break;
    }
  }
  WordEvent record = {};
  record.windowId = window.working.id;
  record.unitId = unitId;
  record.event = -7;
  raiseWordEvent(&record);
}

void disableOtherWindows(WindowRecord& window) {
  HWND own = unitWindow(window, 0);
  for (WindowRecord& other : windowRecords()) {
    if (&other == &window) continue;
    HWND w = other.slots.empty() ? nullptr : unitWindow(other, 0);
    if (!w || !IsWindow(w) || GetParent(w) != nullptr || w == own) continue;
    window.disabledByModal.push_back({w, IsWindowEnabled(w) != FALSE});
    EnableWindow(w, FALSE);
  }
}

}  // namespace

bool creatingModalWindow() { return g_creatingModal; }

bool loadWindow(WindowRecord& window, bool reuse, bool modal, HWND owner) {
  if (window.working.units.empty()) return false;
  // 1. Already open: bring it forward instead.
  if (!reuse) {
    if (ComponentObject* open = liveObject(window, 0)) {
      if (!window.closing) {
        if (IsIconic(open->window)) {
          ShowWindow(open->window, SW_RESTORE);
        } else {
          SetForegroundWindow(open->window);
          SetActiveWindow(open->window);
        }
      }
      return true;
    }
  }
  // 2.
  if (modal) {
    owner = nullptr;
  } else if (owner && !IsWindow(owner)) {
    return false;
  }
  libraryService(kSvcLoadBegins, 0, 0);                    // 3
  window.reserve = window.working;                          // 4
  window.slots.assign(window.working.units.size(), UnitSlots{});
  window.closing = false;
  window.disabledByModal.clear();
  std::vector<const MenuUnit*> menuUnits;                   // 5
  for (const UnitRecord& unit : window.working.units) {
    if (unit.isMenu) menuUnits.push_back(&unit.menu);
  }
  BuiltMenu menu = buildMenu(menuUnits);
  g_creatingModal = modal;                                  // 6, 7, 8
  bool created = createUnits(window, reuse, owner, menu.bar);
  g_creatingModal = false;
  if (!created) {
    abandonLoad(window, menu);
    return false;
  }
  for (size_t i = 0, m = 0; i < window.working.units.size(); ++i) {
    if (window.working.units[i].isMenu) window.slots[i].menu = menu.dropDowns[m++];
  }
  std::vector<bool> hiddenOnOtherPage(window.working.units.size(), false);
  parentAndOrder(window, hiddenOnOtherPage);                // 9, 10
  for (size_t i = 0; i < window.working.units.size(); ++i) {  // 11
    const UnitRecord& unit = window.working.units[i];
    if (!unit.isMenu) window.slots[i].cursor = cursorFromBlock(unit.component.cursorBlock);
  }
  sendToUnits(window, kMsgDataBindingRefresh);              // 12
  HWND own = unitWindow(window, 0);
  SendMessageA(own, kMsgLayoutBars, 0, 0);
  for (size_t i = 1; i < window.working.units.size(); ++i) {  // 13
    HWND w = window.working.units[i].isMenu ? nullptr : unitWindow(window, i);
    if (!w) continue;
    ShowWindow(w, markedVisible(window, i, reuse) && !hiddenOnOtherPage[i] ? SW_SHOWNA : SW_HIDE);
  }
  if (window.accelerators) DestroyAcceleratorTable(window.accelerators);  // 14
  window.accelerators = menu.accelerators;
  libraryService(kSvcLoadEnds, 0, 0);                       // 15
  raiseWindowEvent(window, 0);                              // 16
  if (windowAlive(window)) raiseWindowEvent(window, 3);
  if (windowAlive(window)) raiseWindowEvent(window, 4);
  if (windowAlive(window) && markedVisible(window, 0, reuse)) {  // 17
    if (reuse) {
      ShowWindow(own, SW_SHOW);
    } else {
      SendMessageA(own, kMsgShowInitial, 0, 0);
    }
    raiseFocusEvent(window);
  }
  if (windowAlive(window) && modal) disableOtherWindows(window);  // 18
  HWND focusBefore = GetFocus();                            // 19
  if (windowAlive(window)) sendToUnits(window, kMsgAfterCreation);
  if (GetFocus() != focusBefore && focusBefore && IsWindow(focusBefore)) SetFocus(focusBefore);
  window.freshlyLoaded = true;
  window.loadedModal = modal;
  return true;
}

int32_t loadWindowRequest(uint32_t windowId, HWND owner, bool modal) {
  WindowRecord* window = findWindow(windowId);
  if (!window || !loadWindow(*window, false, modal, owner)) return -1;
  if (window->freshlyLoaded && markedVisible(*window, 0, false)) {
    window->freshlyLoaded = false;
    ComponentObject* own = liveObject(*window, 0);
    if (own && modal) {
      HWND parent = GetParent(own->window);
      if (!parent) parent = GetWindow(own->window, GW_OWNER);
      if (parent && (GetWindowLongA(parent, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        SetWindowPos(own->window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      RuntimeState& state = runtime();
      uint32_t previous = state.currentModalWindow;
      state.currentModalWindow = windowId;
      runMessageLoop(true);
      state.currentModalWindow = previous;
    }
  }
  return 0;
}

void loadStartWindow(uint32_t windowId) {
  WindowRecord* window = findWindow(windowId);
  if (!window || !loadWindow(*window, false, false, nullptr)) reportError("载入启动窗口失败", 0);
}

void restoreWindowsDisabledBy(uint32_t windowId) {
  WindowRecord* window = findWindow(windowId);
  if (!window) return;
  for (auto& [w, wasEnabled] : window->disabledByModal) {
    if (IsWindow(w)) EnableWindow(w, wasEnabled ? TRUE : FALSE);
  }
  window->disabledByModal.clear();
}

void unitDestroyed(uint32_t windowId, uint32_t unitId) {
  WindowRecord* window = findWindow(windowId);
  if (!window || window->working.units.empty()) return;
  if (unitId == 0 || unitId == window->working.units[0].id) {
    for (UnitSlots& slots : window->slots) {
      if (slots.cursor) DestroyCursor(slots.cursor);
    }
    if (window->accelerators) DestroyAcceleratorTable(window->accelerators);
    window->accelerators = nullptr;
    // The working list becomes the stored template again, every slot empty.
    if (!window->reserve.units.empty()) std::swap(window->working, window->reserve);
    window->reserve = WindowTemplate{};
    window->slots.assign(window->working.units.size(), UnitSlots{});
    window->closing = false;
    window->freshlyLoaded = false;
    if (runtime().currentModalWindow == windowId) runtime().currentModalWindow = 0;
    return;
  }
  if (unitId == window->recreatingUnit) return;
  int index = findUnit(*window, unitId);
  if (index < 0) return;
  UnitSlots& slots = window->slots[static_cast<size_t>(index)];
  if (slots.cursor) DestroyCursor(slots.cursor);
  slots = UnitSlots{};
}

HCURSOR cursorFromBlock(const std::vector<uint8_t>& block) {
  if (block.empty()) return nullptr;
  int32_t index = block.size() >= 4
                      ? static_cast<int32_t>(block[0] | block[1] << 8 | block[2] << 16 | block[3] << 24)
                      : block[0];
  if (block.size() > 10 && index != -1) {
    HICON image = CreateIconFromResourceEx(const_cast<BYTE*>(block.data()),
                                           static_cast<DWORD>(block.size()), FALSE, 0x00030000, 0, 0, 0);
    if (image) return image;
  }
  if (index == -1) {
    if (block.size() <= 4) return nullptr;
    return CreateIconFromResourceEx(const_cast<BYTE*>(block.data() + 4),
                                    static_cast<DWORD>(block.size() - 4), FALSE, 0x00030000, 0, 0, 0);
  }
  static const LPCSTR kSystem[] = {IDC_ARROW, IDC_CROSS, IDC_IBEAM, IDC_WAIT, IDC_HELP,
                                   IDC_APPSTARTING, IDC_NO, IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENS,
                                   IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_HAND};
  if (index < 1 || index > 14) return nullptr;
  // The hand is the program's own; the system's is the stand-in where the
  // program carries none.
  HCURSOR shared = index == 14 ? LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramHandCursor)) : nullptr;
  if (!shared) shared = LoadCursorA(nullptr, kSystem[index - 1]);
  // Shared cursors are copied so that every slot owns its cursor.
  return shared ? CopyCursor(shared) : nullptr;
}

}  // namespace lp
