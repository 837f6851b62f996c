#include "runtime/core/property_service.h"

#include <windows.h>
#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/core/component_type.h"
#include "runtime/core/error_report.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/menu_builder.h"
#include "runtime/core/message_loop.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/value.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

constexpr size_t kLogFontSize = 60;
static_assert(sizeof(LOGFONTA) == kLogFontSize, "fonts travel as 60-byte LOGFONTA records");

uint64_t pointerValue(const void* p) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)); }
const void* valuePointer(uint32_t low, uint32_t high) {
  uint64_t v = (static_cast<uint64_t>(high) << 32) | low;
  return reinterpret_cast<const void*>(static_cast<uintptr_t>(v));
}

WindowRecord& requireWindow(uint32_t windowId) {
  WindowRecord* window = findWindow(windowId);
  if (!window) reportError("未载入欲访问窗口组件所在的窗口", 0);
  return *window;
}

int requireUnit(const WindowRecord& window, uint32_t unitId) {
  int index = findUnit(window, unitId);
  if (index < 0) reportError("指定窗口或窗口组件不存在或尚未载入", 0);
  return index;
}

ComponentObject* requireLive(const WindowRecord& window, int index) {
  ComponentObject* object = liveObject(window, index);
  if (!object) reportError("指定窗口尚未载入", 0);
  return object;
}

int screenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

LOGFONTA currentFont(const ComponentTypeRecord* type, ComponentObject* object, int32_t ownIndex) {
  LOGFONTA font;
  PropertyValue value = {0, 0};
  GetPropertyFn get = componentEntry<GetPropertyFn>(type, kEntryGetProperty);
  if (get && get(object, ownIndex, &value) && value.length == static_cast<int32_t>(kLogFontSize) &&
      value.word) {
    std::memcpy(&font, reinterpret_cast<const void*>(value.word), kLogFontSize);
  } else {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  }
  return font;
}

int32_t fontSize(const LOGFONTA& font) {
  return MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, screenDpi());
}

uint64_t fontMember(const LOGFONTA& font, int32_t member) {
  switch (member) {
    case 0: return static_cast<uint32_t>(font.lfEscapement);
    case 1: return font.lfWeight >= 700;
    case 2: return font.lfItalic != 0;
    case 3: return font.lfUnderline != 0;
    case 4: return font.lfStrikeOut != 0;
    case 5: return static_cast<uint32_t>(fontSize(font));
    case 6: return pointerValue(copyText(font.lfFaceName));
    default: {
      // The whole font as the application's font record, face name after it.
      size_t faceLength = std::strlen(font.lfFaceName);
      auto* record = static_cast<FontValue*>(allocate(static_cast<int32_t>(sizeof(FontValue) + faceLength + 1)));
      char* face = reinterpret_cast<char*>(record + 1);
      std::memcpy(face, font.lfFaceName, faceLength + 1);
      *record = {fontSize(font), font.lfWeight >= 700, font.lfItalic != 0, font.lfUnderline != 0,
                 font.lfStrikeOut != 0, font.lfEscapement, face};
      return pointerValue(record);
    }
  }
}

void setFace(LOGFONTA& font, const char* face) {
  size_t n = face ? std::strlen(face) : 0;
  if (n >= 1 && n <= 31) {
    std::memcpy(font.lfFaceName, face, n + 1);
  } else {
    LOGFONTA standard;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof standard, &standard);
    std::memcpy(font.lfFaceName, standard.lfFaceName, sizeof font.lfFaceName);
  }
}

LOGFONTA fontFromRecord(const FontValue& value) {
  LOGFONTA font = {};
  font.lfHeight = -MulDiv(value.size, screenDpi(), 72);
  font.lfWeight = value.bold ? 700 : 400;
  font.lfItalic = value.italic ? 1 : 0;
  font.lfUnderline = value.underline ? 1 : 0;
  font.lfStrikeOut = value.strikeOut ? 1 : 0;
  font.lfEscapement = font.lfOrientation = value.angle % 3600;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  setFace(font, value.faceName);
  return font;
}

void changeFontMember(LOGFONTA& font, int32_t member, uint32_t low, uint32_t high) {
  switch (member) {
    case 0: font.lfEscapement = font.lfOrientation = static_cast<LONG>(static_cast<int32_t>(low) % 3600); break;
    case 1: font.lfWeight = low ? 700 : 0; break;
    case 2: font.lfItalic = low ? 1 : 0; break;
    case 3: font.lfUnderline = low ? 1 : 0; break;
    case 4: font.lfStrikeOut = low ? 1 : 0; break;
    case 5: font.lfHeight = -MulDiv(static_cast<int32_t>(low), screenDpi(), 72); break;
    case 6: setFace(font, static_cast<const char*>(valuePointer(low, high))); break;
    default: break;
  }
}

bool sameFont(const LOGFONTA& a, const LOGFONTA& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
         a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
         a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
         a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
         std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

const PropertyDescriptor* descriptor(const ComponentTypeRecord* type, int32_t ownIndex) {
  if (!type || ownIndex < 0 || ownIndex >= type->propertyCount || !type->properties) return nullptr;
  return &type->properties[ownIndex];
}

uint64_t readOwnProperty(const UnitRecord& unit, ComponentObject* object, int32_t ownIndex, int32_t member) {
  const ComponentTypeRecord* type = componentType(unit.component.head.typeCode);
  const PropertyDescriptor* d = descriptor(type, ownIndex);
  if (d && d->type == kPropFont) return fontMember(currentFont(type, object, ownIndex), member);
  if (d && d->type == kPropMousePointer)
    return pointerValue(makeByteSet(unit.component.cursorBlock.data(),
                                    static_cast<int32_t>(unit.component.cursorBlock.size())));
  PropertyValue value = {0, 0};
  GetPropertyFn get = componentEntry<GetPropertyFn>(type, kEntryGetProperty);
  if (!get || !get(object, ownIndex, &value)) return 0;
  switch (d ? d->type : static_cast<uint16_t>(kPropInteger)) {
    case kPropLogical:
      return value.word == 1;
    case kPropText:
    case kPropFileName:
    case kPropDataSource:
    case kPropDataColumn:
      return pointerValue(copyText(reinterpret_cast<const char*>(value.word)));
    case kPropPicture:
    case kPropIcon:
    case kPropSound:
    case kPropCustomData:
      return pointerValue(makeByteSet(reinterpret_cast<const void*>(value.word), value.length));
    default:
      return static_cast<uint32_t>(value.word);
  }
}

uint64_t readFixedProperty(const WindowRecord& window, int index, int32_t property) {
  const ComponentUnit& c = window.working.units[static_cast<size_t>(index)].component;
  ComponentObject* object = liveObject(window, index);
  HWND w = object ? object->window : nullptr;
  RECT r = {};
  if (w) {
    GetWindowRect(w, &r);
    HWND parent = GetAncestor(w, GA_PARENT);
    if (parent && parent != GetDesktopWindow()) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  switch (property) {
    case 0: return static_cast<uint32_t>(w ? r.left : c.left);
    case 1: return static_cast<uint32_t>(w ? r.top : c.top);
    case 2: return static_cast<uint32_t>(w ? r.right - r.left : c.width);
    case 3: return static_cast<uint32_t>(w ? r.bottom - r.top : c.height);
    case 4: return pointerValue(copyText(c.tag.c_str()));
    case 5: return w ? IsWindowVisible(w) != FALSE : (c.state & kStateVisible) != 0;
    case 6: return w ? IsWindowEnabled(w) == FALSE : (c.state & kStateDisabled) != 0;
    default:
      return pointerValue(makeByteSet(c.cursorBlock.data(), static_cast<int32_t>(c.cursorBlock.size())));
  }
}

uint64_t readMenuProperty(const MenuUnit& m, int32_t property) {
  switch (property) {
    case 0: return pointerValue(copyText(m.caption.c_str()));
    case 1: return (m.flags & kMenuChecked) != 0;
    case 2: return (m.flags & kMenuDisabled) != 0;
    case 3: return (m.flags & kMenuHidden) == 0;
    default: return 0;
  }
}

void rebuildMenu(WindowRecord& window) {
  ComponentObject* own = liveObject(window, 0);
  if (!own) return;
  std::vector<const MenuUnit*> items;
  for (const UnitRecord& unit : window.working.units) {
    if (unit.isMenu) items.push_back(&unit.menu);
  }
  BuiltMenu menu = buildMenu(items);
  if (window.accelerators) DestroyAcceleratorTable(window.accelerators);
  window.accelerators = menu.accelerators;
  HMENU old = GetMenu(own->window);
  SetMenu(own->window, menu.bar);
  if (old) DestroyMenu(old);
  for (size_t i = 0, m = 0; i < window.working.units.size(); ++i) {
    if (window.working.units[i].isMenu) window.slots[i].menu = menu.dropDowns.empty() ? nullptr : menu.dropDowns[m++];
  }
}

void writeMenuProperty(WindowRecord& window, MenuUnit& m, int32_t property, uint32_t low, uint32_t high) {
  const uint32_t oldFlags = m.flags;
  const std::string oldCaption = m.caption;
  switch (property) {
    case 0: {
      const char* text = static_cast<const char*>(valuePointer(low, high));
      m.caption = text ? text : "";
      break;
    }
    case 1: m.flags = low ? (m.flags | kMenuChecked) : (m.flags & ~kMenuChecked); break;
    case 2: m.flags = low ? (m.flags | kMenuDisabled) : (m.flags & ~kMenuDisabled); break;
    case 3: m.flags = low ? (m.flags & ~kMenuHidden) : (m.flags | kMenuHidden); break;
    default: return;
  }
  if (m.flags != oldFlags || m.caption != oldCaption) rebuildMenu(window);
}

void showOwnUnit(WindowRecord& window, HWND w) {
  if (!window.freshlyLoaded) {
    ShowWindow(w, SW_SHOW);
    return;
  }
  // A window loaded hidden shows in its initial state, and a modal one runs
  // its own message loop from here.
  window.freshlyLoaded = false;
  SendMessageA(w, kMsgShowInitial, 0, 0);
  if (!window.disabledByModal.empty() || window.loadedModal) {
    RuntimeState& state = runtime();
    uint32_t previous = state.currentModalWindow;
    state.currentModalWindow = window.working.id;
    runMessageLoop(true);
    state.currentModalWindow = previous;
  }
}

void writeFixedProperty(WindowRecord& window, int index, int32_t property, uint32_t low, uint32_t high) {
  ComponentUnit& c = window.working.units[static_cast<size_t>(index)].component;
  ComponentObject* object = liveObject(window, index);
  HWND w = object ? object->window : nullptr;
  const int32_t v = static_cast<int32_t>(low);
  switch (property) {
    case 0:
    case 1: {
      int32_t clamped = std::clamp(v, -kFixedLimit, kFixedLimit);
      (property == 0 ? c.left : c.top) = clamped;
      if (w) {
        RECT r;
        GetWindowRect(w, &r);
        HWND parent = GetAncestor(w, GA_PARENT);
        if (parent && parent != GetDesktopWindow()) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        int x = property == 0 ? clamped : r.left;
        int y = property == 1 ? clamped : r.top;
        MoveWindow(w, x, y, r.right - r.left, r.bottom - r.top, TRUE);
      }
      break;
    }
    case 2:
    case 3: {
      int32_t clamped = std::clamp(v, 0, kFixedLimit);
      (property == 2 ? c.width : c.height) = clamped;
      if (w) {
        RECT r;
        GetWindowRect(w, &r);
        int cx = property == 2 ? clamped : r.right - r.left;
        int cy = property == 3 ? clamped : r.bottom - r.top;
        SetWindowPos(w, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    }
    case 4: {
      const char* text = static_cast<const char*>(valuePointer(low, high));
      c.tag = text ? text : "";
      break;
    }
    case 5:
      c.state = low ? (c.state | kStateVisible) : (c.state & ~kStateVisible);
      if (w) {
        if (!low) {
          ShowWindow(w, SW_HIDE);
        } else if (index == 0) {
          showOwnUnit(window, w);
        } else {
          ShowWindow(w, SW_SHOW);
        }
      }
      break;
    case 6:
      c.state = low ? (c.state | kStateDisabled) : (c.state & ~kStateDisabled);
      if (w) EnableWindow(w, low ? FALSE : TRUE);
      break;
    case 7: {
      const void* block = valuePointer(low, high);
      int32_t n = byteSetSize(block);
      const unsigned char* bytes = byteSetData(block);
      c.cursorBlock.assign(bytes, bytes + (n > 0 ? n : 0));
      UnitSlots& slots = window.slots[static_cast<size_t>(index)];
      if (slots.cursor) DestroyCursor(slots.cursor);
      slots.cursor = w ? cursorFromBlock(c.cursorBlock) : nullptr;
      break;
    }
    default:
      break;
  }
}

void writeOwnProperty(WindowRecord& window, int index, int32_t ownIndex, int32_t member, uint32_t low,
                      uint32_t high) {
  const UnitRecord& unit = window.working.units[static_cast<size_t>(index)];
  ComponentObject* object = requireLive(window, index);
  const ComponentTypeRecord* type = componentType(unit.component.head.typeCode);
  SetPropertyFn set = componentEntry<SetPropertyFn>(type, kEntrySetProperty);
  if (!set) return;
  const PropertyDescriptor* d = descriptor(type, ownIndex);
  const uint16_t kind = d ? d->type : static_cast<uint16_t>(kPropInteger);
  PropertyValue value = {low, 0};
  LOGFONTA font;
  switch (kind) {
    case kPropText:
    case kPropFileName:
    case kPropDataSource:
    case kPropDataColumn: {
      const char* text = static_cast<const char*>(valuePointer(low, high));
      value.word = reinterpret_cast<uintptr_t>(text ? text : "");
      break;
    }
    case kPropLogical:
      value.word = low != 0;
      break;
    case kPropPicture:
    case kPropIcon:
    case kPropSound:
    case kPropCustomData: {
      const void* block = valuePointer(low, high);
      value.word = reinterpret_cast<uintptr_t>(byteSetData(block));
      value.length = byteSetSize(block);
      break;
    }
    case kPropFont:
      if (member == -1) {
        const auto* record = static_cast<const FontValue*>(valuePointer(low, high));
        if (record) {
          font = fontFromRecord(*record);
        } else {
          GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        }
      } else {
        const LOGFONTA current = currentFont(type, object, ownIndex);
        font = current;
        changeFontMember(font, member, low, high);
        // Re-creating and re-applying a font costs a repaint and more: a
        // member written with the value it has is left alone (the proportional
        // layout writes every scaled font size on every resize).
        if (sameFont(font, current)) return;
      }
      value.word = reinterpret_cast<uintptr_t>(&font);
      value.length = static_cast<int32_t>(kLogFontSize);
      break;
    default:
      break;
  }
  int32_t flag = 0;
  const uint32_t windowId = window.working.id;
  const uint32_t unitId = unit.id;
  if (set(object, ownIndex, &value, &flag) == 1 && findWindow(windowId) && liveObject(*findWindow(windowId), 0)) {
    runtime().suspendCount++;
    recreateComponent(windowId, unitId);
    if (runtime().suspendCount > 0) runtime().suspendCount--;
  }
}

}  // namespace

uint64_t readProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t member) {
  WindowRecord& window = requireWindow(windowId);
  int index = requireUnit(window, unitId);
  const UnitRecord& unit = window.working.units[static_cast<size_t>(index)];
  if (unit.isMenu) return readMenuProperty(unit.menu, property);
  if (property >= 8) return readOwnProperty(unit, requireLive(window, index), property - 8, member);
  return readFixedProperty(window, index, property);
}

void writeProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t member, uint32_t low,
                   uint32_t high) {
  WindowRecord& window = requireWindow(windowId);
  int index = requireUnit(window, unitId);
  UnitRecord& unit = window.working.units[static_cast<size_t>(index)];
  if (unit.isMenu) {
    writeMenuProperty(window, unit.menu, property, low, high);
  } else if (property >= 8) {
    writeOwnProperty(window, index, property - 8, member, low, high);
  } else {
    writeFixedProperty(window, index, property, low, high);
  }
}

void recreateComponent(uint32_t windowId, uint32_t unitId) {
  WindowRecord* window = findWindow(windowId);
  if (!window) return;
  int index = findUnit(*window, unitId);
  ComponentObject* old = liveObject(*window, index);
  if (!old || index <= 0) return;
  const UnitRecord& unit = window->working.units[static_cast<size_t>(index)];
  const ComponentTypeRecord* type = componentType(unit.component.head.typeCode);
  if (!type || (type->flags & kTypeNotRecreated)) return;
  GetAllPropertyDataFn getAll = componentEntry<GetAllPropertyDataFn>(type, kEntryGetAllPropertyData);
  CreateFn create = componentEntry<CreateFn>(type, kEntryCreate);
  if (!getAll || !create) return;
  std::vector<uint8_t> block;
  if (HGLOBAL data = getAll(old)) {
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(data));
    if (bytes) block.assign(bytes, bytes + GlobalSize(data));
    GlobalUnlock(data);
    GlobalFree(data);
  }
  HWND oldWindow = old->window;
  HWND parent = GetParent(oldWindow);
  RECT r;
  GetWindowRect(oldWindow, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const LONG oldStyle = GetWindowLongA(oldWindow, GWL_STYLE);
  const bool hadFocus = GetFocus() == oldWindow || IsChild(oldWindow, GetFocus());
  uint32_t preset = (oldStyle & WS_DISABLED) ? WS_DISABLED : 0;
  if (unit.component.state & kStateTabStop) preset |= WS_TABSTOP;
  ComponentObject* fresh =
      create(block.data(), static_cast<int32_t>(block.size()), preset, parent,
             static_cast<uint32_t>(GetDlgCtrlID(oldWindow)), nullptr, r.left, r.top, r.right - r.left,
             r.bottom - r.top, windowId, unitId, nullptr, 0);
  if (!fresh) return;
  if (type->flags & kTypeContainer) {
    for (HWND child = GetWindow(oldWindow, GW_CHILD); child;) {
      HWND next = GetWindow(child, GW_HWNDNEXT);
      SetParent(child, fresh->window);
      child = next;
    }
  }
  window->slots[static_cast<size_t>(index)].object = fresh;
  SetWindowPos(fresh->window, oldWindow, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(fresh->window, 0x806F, 0, 0);
  SendMessageA(fresh->window, 0x8076, 0, 0);
  if (oldStyle & WS_VISIBLE) ShowWindow(fresh->window, SW_SHOWNA);
  window->recreatingUnit = unitId;
  DestroyWindow(oldWindow);
  window->recreatingUnit = 0;
  if (hadFocus) SetFocus(fresh->window);
}

}  // namespace lp
