// What a component type tells about itself, as plain data: its type number,
// names and flags, and one descriptor per property in property order. The
// Win32 side builds the runtime's type records from these facts and attaches
// the interface providers; nothing here depends on the platform.
#pragma once
#include <cstdint>

namespace lp {

// How a property's value is passed to setProperty and returned by getProperty.
enum PropertyType : uint16_t {
  kPropInteger = 1001,
  kPropLogical = 1003,
  kPropText = 1005,
  kPropChoice = 1006,
  kPropPicture = 1009,
  kPropIcon = 1010,
  kPropMousePointer = 1011,
  kPropSound = 1012,
  kPropFont = 1013,
  kPropColour = 1014,
  kPropColourOrNone = 1015,
  kPropFileName = 1016,
  kPropBackColour = 1017,
  kPropDataSource = 1018,
  kPropDataColumn = 1020,
  kPropCustomData = 1024,
};

// Property state flags.
enum PropertyState : uint16_t {
  kPropSubOption = 0x0001,    // shown indented under the property before it
  kPropRunTimeOnly = 0x0008,  // exists only at run time and is not stored
};

struct PropertyFacts {
  const char* chineseName;  // GBK
  const char* englishName;
  uint16_t type;   // PropertyType
  uint16_t state;  // PropertyState bits
};

// Type flags tested by the runtime and the window.
enum ComponentTypeFlag : uint32_t {
  kTypeNotRecreated = 0x00000010,
  kTypeHasFilterMessage = 0x00000020,
  kTypeWindowComponent = 0x00000040,
  kTypeContainer = 0x00000080,
  kTypeRadioMnemonic = 0x00000400,
  kTypeDefaultButton = 0x00000800,
  kTypeCheckMnemonic = 0x00001000,
  kTypeLabelMnemonic = 0x00002000,
  kTypeGroupMnemonic = 0x00004000,
  kTypeFunctionProvider = 0x00008000,
  kTypeNoInitialFocus = 0x00010000,
  kTypeDataSource = 0x00080000,
  kTypeDockableBar = 0x00100000,
  kTypeDragsWindow = 0x04000000,
};

struct ComponentTypeFacts {
  uint16_t number;          // 1-based position in the library's type table
  const char* chineseName;  // GBK; null for a type this system does not carry
  const char* englishName;
  uint32_t flags;
  bool hasFixedProperties;  // properties 0 to 7 come before the own ones
  const PropertyFacts* ownProperties;
  int32_t ownPropertyCount;
};

// True for a table entry that stands for a type this system does not carry.
inline bool isEmptyType(const ComponentTypeFacts& type) { return type.englishName == nullptr; }

// The fixed properties 0 to 7 that every window component has.
extern const PropertyFacts kFixedProperties[8];
constexpr int32_t kFixedPropertyCount = 8;

// All properties of a type, the fixed ones included.
int32_t propertyCount(const ComponentTypeFacts& type);
// The descriptor of property index (fixed ones from 0); null when out of range.
const PropertyFacts* propertyAt(const ComponentTypeFacts& type, int32_t index);

}  // namespace lp
