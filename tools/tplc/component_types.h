// The component types a template source may place, by English type name.
// Adding a type is one registration in component_types.cpp: its library and
// type number and the table of the properties a source may set.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/components/property_facts.h"
#include "tools/tplc/property_fields.h"

namespace tplc {

struct ComponentType {
  uint32_t library;
  uint16_t number;
  // A block holding the data object's defaults.
  std::unique_ptr<PropertyBlock> (*newBlock)();

  // Library number in the high 16 bits, type number in the low 16.
  uint32_t typeCode() const { return library << 16 | number; }
  // Names and property descriptors of the type.
  const lp::ComponentTypeFacts& facts() const;
};

// Null when no registered type has that English name.
const ComponentType* findComponentType(const std::string& englishName);
const ComponentType* findComponentType(uint32_t typeCode);

// Every registered type, for listings and checks.
const ComponentType* componentTypes(size_t& count);

}  // namespace tplc
