#include "tests/support/fake_components.h"

#include <windows.h>

#include "runtime/components/component_entries.h"
#include "runtime/components/property_stream.h"
#include "runtime/core/component_type.h"
#include "runtime/core/library_table.h"

namespace test {
namespace {

int g_creations = 0;

struct FakeData {
  uint32_t flags = 0;
  std::string caption;
};

struct FakeObject : lp::ComponentObject {
  FakeData data;
};

bool readFake(const uint8_t* block, int32_t length, FakeData& out) {
  if (length <= 0) return true;
  lp::PropertyReader in(block, static_cast<size_t>(length));
  out.flags = in.u32();
  out.caption = in.text();
  return in.ok();
}

const char* className(uint32_t typeNumber) { return typeNumber == 2 ? "STATIC" : typeNumber == 3 ? "EDIT" : "BUTTON"; }

template <uint32_t TypeNumber>
lp::ComponentObject* create(const uint8_t* block, int32_t length, uint32_t preset, HWND parent, uint32_t id, HMENU,
                            int32_t left, int32_t top, int32_t width, int32_t height, uint32_t windowId,
                            uint32_t unitId, HWND, int32_t) {
  auto* object = new FakeObject;
  if (!readFake(block, length, object->data)) {
    delete object;
    return nullptr;
  }
  object->windowId = windowId;
  object->unitId = unitId;
  object->window = CreateWindowExA(0, className(TypeNumber), object->data.caption.c_str(),
                                   preset | WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
  if (!object->window) {
    delete object;
    return nullptr;
  }
  ++g_creations;
  return object;
}

// Own property 0: the caption, applied in place; 1: a creation style that
// asks for re-creation when it changes.
int32_t setProperty(lp::ComponentObject* object, int32_t index, const lp::PropertyValue* value, int32_t*) {
  auto* fake = static_cast<FakeObject*>(object);
  if (index == 0) {
    fake->data.caption = reinterpret_cast<const char*>(value->word);
    SetWindowTextA(fake->window, fake->data.caption.c_str());
    return 0;
  }
  const uint32_t flags = value->word ? (fake->data.flags | kFakeRecreate) : (fake->data.flags & ~kFakeRecreate);
  if (flags == fake->data.flags) return 0;
  fake->data.flags = flags;
  return 1;
}

int32_t getProperty(lp::ComponentObject* object, int32_t index, lp::PropertyValue* out) {
  auto* fake = static_cast<FakeObject*>(object);
  if (index == 0) *out = {reinterpret_cast<uintptr_t>(fake->data.caption.c_str()), 0};
  else if (index == 1) *out = {(fake->data.flags & kFakeRecreate) ? 1u : 0u, 0};
  else return 0;
  return 1;
}

HGLOBAL getAll(lp::ComponentObject* object) {
  const FakeData& d = static_cast<FakeObject*>(object)->data;
  return lp::globalBlock(fakeBlock(d.flags, d.caption));
}

int32_t isDefault(lp::ComponentObject* object) { return (static_cast<FakeObject*>(object)->data.flags & kFakeDefault) != 0; }

int32_t wantsKey(lp::ComponentObject* object, int32_t key) {
  return key == VK_RETURN && (static_cast<FakeObject*>(object)->data.flags & kFakeWantsEnter) ? 1 : 0;
}

template <uint32_t TypeNumber>
void* provider(int32_t number) {
  switch (number) {
    case lp::kEntryCreate: return reinterpret_cast<void*>(static_cast<lp::CreateFn>(create<TypeNumber>));
    case lp::kEntrySetProperty: return reinterpret_cast<void*>(static_cast<lp::SetPropertyFn>(setProperty));
    case lp::kEntryGetAllPropertyData: return reinterpret_cast<void*>(static_cast<lp::GetAllPropertyDataFn>(getAll));
    case lp::kEntryGetProperty: return reinterpret_cast<void*>(static_cast<lp::GetPropertyFn>(getProperty));
    case lp::kEntryIsDefaultButton:
      return TypeNumber == 1 ? reinterpret_cast<void*>(static_cast<lp::IsDefaultButtonFn>(isDefault)) : nullptr;
    case lp::kEntryWantsKey:
      return TypeNumber == 3 ? reinterpret_cast<void*>(static_cast<lp::WantsKeyFn>(wantsKey)) : nullptr;
    default: return nullptr;
  }
}

const lp::PropertyDescriptor kProperties[2] = {
    {"", "Caption", "", lp::kPropText, 0, ""},
    {"", "Rebuild", "", lp::kPropLogical, 0, ""},
};

const lp::ComponentTypeRecord kTypes[4] = {
    {"", "FakeButton", "", 0, nullptr, 0x80000840u, 0, nullptr, 2, kProperties, provider<1>, 0, nullptr},
    {"", "FakeLabel", "", 0, nullptr, 0x80002040u, 0, nullptr, 2, kProperties, provider<2>, 0, nullptr},
    {"", "FakeEdit", "", 0, nullptr, 0x80000040u, 0, nullptr, 2, kProperties, provider<3>, 0, nullptr},
    {"", "FakeUnbuilt", "", 0, nullptr, 0x80000040u, 0, nullptr, 0, nullptr, nullptr, 0, nullptr},
};

}  // namespace

std::vector<uint8_t> fakeBlock(uint32_t flags, const std::string& caption) {
  lp::PropertyWriter out;
  out.u32(flags);
  out.text(caption);
  return out.take();
}

const lp::LibraryInfo kFakeLibraryInfo = lp::makeLibrary("Fake", 4, kTypes, 0, nullptr, lp::plainLibraryNotify);

int fakeCreations() { return g_creations; }

}  // namespace test
