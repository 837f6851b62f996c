#include "runtime/components/type_records.h"

#include <deque>
#include <vector>

namespace lp {
namespace {

// Descriptor tables live as long as the program.
std::deque<std::vector<PropertyDescriptor>>& descriptorTables() {
  static std::deque<std::vector<PropertyDescriptor>> tables;
  return tables;
}

InterfaceProvider providerOf(uint16_t number, const TypeProvider* providers, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (providers[i].typeNumber == number) return providers[i].provider;
  }
  return nullptr;
}

}  // namespace

void buildTypeRecords(const ComponentTypeFacts* facts, size_t count, const TypeProvider* providers,
                      size_t providerCount, ComponentTypeRecord* out) {
  for (size_t i = 0; i < count; ++i) {
    const ComponentTypeFacts& type = facts[i];
    ComponentTypeRecord record = {};
    if (!isEmptyType(type)) {
      std::vector<PropertyDescriptor> descriptors;
      for (int32_t p = 0; p < type.ownPropertyCount; ++p) {
        const PropertyFacts& f = type.ownProperties[p];
        descriptors.push_back({f.chineseName, f.englishName, "", f.type, f.state, ""});
      }
      descriptorTables().push_back(std::move(descriptors));
      record.chineseName = type.chineseName;
      record.englishName = type.englishName;
      record.description = "";
      record.flags = type.flags;
      record.propertyCount = type.ownPropertyCount;
      record.properties = descriptorTables().back().empty() ? nullptr : descriptorTables().back().data();
      record.provider = providerOf(type.number, providers, providerCount);
    }
    out[i] = record;
  }
}

}  // namespace lp
