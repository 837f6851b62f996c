// Building a library's component type records from the portable type facts
// and a table from type number to interface provider.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/core/component_type.h"

namespace lp {

struct TypeProvider {
  uint16_t typeNumber;
  InterfaceProvider provider;
};

// Fills out[i] for facts[i]: names, flags and the own property descriptors
// (the runtime hands setProperty and getProperty the own index, so the
// descriptor table starts at the first own property). Types not carried stay
// empty; a type without a provider entry has no entry points.
void buildTypeRecords(const ComponentTypeFacts* facts, size_t count, const TypeProvider* providers,
                      size_t providerCount, ComponentTypeRecord* out);

}  // namespace lp
