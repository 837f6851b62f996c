// The contract between the runtime and a component type: the type record with
// its property descriptors and the interface provider that hands out the
// component's entry points by number.
#pragma once
#include <windows.h>
#include <cstdint>
#include "runtime/components/property_facts.h"
#include "runtime/core/component_object.h"

namespace lp {

struct PropertyDescriptor {
  const char* chineseName;
  const char* englishName;
  const char* description;
  uint16_t type;   // 1001 integer, 1003 logical, 1005 text, ... 1024 custom data
  uint16_t state;  // 0x0001 sub-option, 0x0008 run time only, ...
  const char* pickList;
};

// Property type codes and type flags are those of the portable type facts.

// A property value as setProperty takes it and getProperty gives it: a word
// (integer, logical, choice, colour, or the address of a text or buffer) and,
// for buffers, their length.
struct PropertyValue {
  uintptr_t word;
  int32_t length;
};

typedef ComponentObject* (*CreateFn)(const uint8_t* block, int32_t length, uint32_t presetStyle,
                                     HWND parent, uint32_t controlId, HMENU menu, int32_t left,
                                     int32_t top, int32_t width, int32_t height, uint32_t windowId,
                                     uint32_t unitId, HWND designWindow, int32_t designMode);
// 0: applied in place; 1: the component must be re-created.
typedef int32_t (*SetPropertyFn)(ComponentObject* object, int32_t ownIndex, const PropertyValue* value,
                                 int32_t* flag);
// A new movable global block holding the serialised properties.
typedef HGLOBAL (*GetAllPropertyDataFn)(ComponentObject* object);
// 1 and the value, or 0 for an unknown index.
typedef int32_t (*GetPropertyFn)(ComponentObject* object, int32_t ownIndex, PropertyValue* out);
typedef HGLOBAL (*GetIconDataFn)(const uint8_t* block, int32_t length);
typedef int32_t (*WantsKeyFn)(ComponentObject* object, int32_t virtualKey);
// Called once per stored text; returns the (possibly rewritten) text.
typedef const char* (*TextCallback)(const char* text, int32_t isFontFace, void* user);
typedef uint8_t* (*ConvertTextsFn)(const uint8_t* block, int32_t* length, TextCallback callback,
                                   void* user);
typedef int32_t (*IsDefaultButtonFn)(ComponentObject* object);

enum InterfaceNumber : int32_t {
  kEntryCreate = 1,
  kEntrySetProperty = 4,
  kEntryGetAllPropertyData = 5,
  kEntryGetProperty = 6,
  kEntryGetIconData = 7,
  kEntryWantsKey = 8,
  kEntryConvertTexts = 9,
  kEntryIsDefaultButton = 10,
  kEntryFilterMessage = 11,
};

typedef void* (*InterfaceProvider)(int32_t number);

struct ComponentTypeRecord {
  const char* chineseName;
  const char* englishName;
  const char* description;
  int32_t methodCount;
  const void* methods;
  uint32_t flags;
  int32_t eventCount;
  const void* events;
  int32_t propertyCount;
  const PropertyDescriptor* properties;
  InterfaceProvider provider;
  int32_t elementCount;
  const void* elements;
};

// Type flags the runtime tests besides the portable ones.
constexpr uint32_t kTypeMenu = 0x00000004;
constexpr uint32_t kTypePagedContainer = 0x00000100;

template <typename Fn>
Fn componentEntry(const ComponentTypeRecord* type, int32_t number) {
  return type && type->provider ? reinterpret_cast<Fn>(type->provider(number)) : nullptr;
}

}  // namespace lp
