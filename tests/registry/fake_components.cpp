#include "fake_components.h"

#include <cstring>

#include "runtime/components/library_link.h"
#include "runtime/core/component_type.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/library_service.h"
#include "runtime/core/runtime_state.h"

namespace fake {
namespace {

struct FakeObject : lp::ComponentObject {
  std::vector<uint8_t> font;  // own property 0 of the font type
  int32_t number = 0;         // own property 1: asks for re-creation when changed
};

LRESULT CALLBACK fakeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* object = reinterpret_cast<FakeObject*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_DESTROY && object) {
    // Tell the runtime, as every component does when its window goes.
    lp::callRuntime(lp::kSvcUnitDestroyed, object->windowId, object->unitId);
  }
  if (msg == WM_NCDESTROY && object) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    delete object;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void registerClass() {
  static bool done = false;
  if (done) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = fakeProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FakeComponent";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);
  done = true;
}

lp::ComponentObject* create(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                            uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                            int32_t height, uint32_t windowId, uint32_t unitId, HWND, int32_t, bool isWindow) {
  registerClass();
  auto* object = new FakeObject;
  object->windowId = windowId;
  object->unitId = unitId;
  if (block && length >= 4) std::memcpy(&object->number, block, 4);
  DWORD style = presetStyle | (isWindow ? WS_OVERLAPPEDWINDOW : WS_CHILD | WS_CLIPSIBLINGS);
  object->window = CreateWindowExA(0, "FakeComponent", "", style, left, top, width, height, parent,
                                   isWindow ? menu : reinterpret_cast<HMENU>(static_cast<uintptr_t>(controlId)),
                                   GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(object->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  log().created.push_back({unitId, controlId, parent, presetStyle});
  if (!isWindow) {
    lp::WordEvent event = {};
    event.windowId = windowId;
    event.unitId = unitId;
    event.event = kEventDuringCreate;
    lp::callRuntime(lp::kSvcRaiseEvent, reinterpret_cast<uintptr_t>(&event));
  }
  return object;
}

lp::ComponentObject* createWindow(const uint8_t* b, int32_t n, uint32_t s, HWND p, uint32_t c, HMENU m,
                                  int32_t l, int32_t t, int32_t w, int32_t h, uint32_t wi, uint32_t ui,
                                  HWND d, int32_t dm) {
  return create(b, n, s, p, c, m, l, t, w, h, wi, ui, d, dm, true);
}
lp::ComponentObject* createChild(const uint8_t* b, int32_t n, uint32_t s, HWND p, uint32_t c, HMENU m,
                                 int32_t l, int32_t t, int32_t w, int32_t h, uint32_t wi, uint32_t ui,
                                 HWND d, int32_t dm) {
  return create(b, n, s, p, c, m, l, t, w, h, wi, ui, d, dm, false);
}

int32_t setProperty(lp::ComponentObject* o, int32_t index, const lp::PropertyValue* value, int32_t*) {
  auto* object = static_cast<FakeObject*>(o);
  log().setPropertyCalls++;
  if (index == 0) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(value->word);
    object->font.assign(bytes, bytes + value->length);
    return 0;
  }
  if (index == 1) {
    bool changed = object->number != static_cast<int32_t>(value->word);
    object->number = static_cast<int32_t>(value->word);
    return changed ? 1 : 0;
  }
  return 0;
}

int32_t getProperty(lp::ComponentObject* o, int32_t index, lp::PropertyValue* out) {
  auto* object = static_cast<FakeObject*>(o);
  if (index == 0) {
    out->word = object->font.empty() ? 0 : reinterpret_cast<uintptr_t>(object->font.data());
    out->length = static_cast<int32_t>(object->font.size());
    return 1;
  }
  if (index == 1) {
    out->word = static_cast<uint32_t>(object->number);
    out->length = 0;
    return 1;
  }
  return 0;
}

HGLOBAL getAll(lp::ComponentObject* o) {
  auto* object = static_cast<FakeObject*>(o);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(block), &object->number, 4);
  GlobalUnlock(block);
  return block;
}

void* windowProvider(int32_t n) {
  return n == lp::kEntryCreate ? reinterpret_cast<void*>(&createWindow) : nullptr;
}
void* childProvider(int32_t n) {
  switch (n) {
    case lp::kEntryCreate: return reinterpret_cast<void*>(&createChild);
    case lp::kEntrySetProperty: return reinterpret_cast<void*>(&setProperty);
    case lp::kEntryGetProperty: return reinterpret_cast<void*>(&getProperty);
    case lp::kEntryGetAllPropertyData: return reinterpret_cast<void*>(&getAll);
    default: return nullptr;
  }
}

const lp::PropertyDescriptor kFontProperties[2] = {
    {"", "Font", "", lp::kPropFont, 0, ""},
    {"", "Number", "", lp::kPropInteger, 0, ""},
};

const lp::ComponentTypeRecord kTypes[5] = {
    {"", "window", "", 0, nullptr, 0x800000D0u, 0, nullptr, 0, nullptr, windowProvider, 0, nullptr},
    {"", "child", "", 0, nullptr, 0x80000040u, 0, nullptr, 2, kFontProperties, childProvider, 0, nullptr},
    {"", "menu", "", 0, nullptr, 0x80000004u, 0, nullptr, 0, nullptr, nullptr, 0, nullptr},
    {"", "fonted", "", 0, nullptr, 0x80000040u, 0, nullptr, 2, kFontProperties, childProvider, 0, nullptr},
    {"", "broken", "", 0, nullptr, 0x80000040u, 0, nullptr, 0, nullptr, nullptr, 0, nullptr},
};

intptr_t notify(int32_t n, uintptr_t first, uintptr_t) {
  if (n == 1) lp::setRuntimeEntry(reinterpret_cast<lp::LibraryServiceFn>(first));
  return 0;
}

const lp::LibraryInfo kLibrary = {lp::kLibraryFormat, {}, "Fake", 1, nullptr, 0, {}, 5, kTypes, {}, 0, 0,
                                  nullptr, {}, notify, {}};
const lp::LibraryInfo* const kLibraries[1] = {&kLibrary};

}  // namespace

Log& log() {
  static Log l;
  return l;
}

void install() {
  lp::RuntimeState& state = lp::runtime();
  state.libraries = kLibraries;
  state.libraryCount = 1;
  state.libraryData.assign(1, 0);
  state.suspendCount = 0;
  notify(1, reinterpret_cast<uintptr_t>(&lp::libraryService), 0);
  log() = Log{};
}

}  // namespace fake
