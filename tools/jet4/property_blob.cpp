#include "tools/jet4/property_blob.h"

namespace jet4 {
namespace {

constexpr uint16_t kNameChunk = 0x80;
constexpr uint16_t kValueChunk = 0x00;

}  // namespace

Property textProperty(std::u16string name, const std::u16string& value) {
  Property p{std::move(name), 0x0A, {}};
  appendUcs2(p.value, value);
  return p;
}

Property longProperty(std::u16string name, int32_t value) {
  Property p{std::move(name), 0x04, {}};
  appendU32(p.value, static_cast<uint32_t>(value));
  return p;
}

Bytes propertyBlob(const std::vector<Property>& properties) {
  Bytes names;
  for (const Property& p : properties) {
    appendU16(names, static_cast<uint32_t>(p.name.size() * 2));
    appendUcs2(names, p.name);
  }
  Bytes values;
  appendU32(values, 6);  // the length of the (empty) chunk name block that follows
  appendU16(values, 0);
  for (size_t i = 0; i < properties.size(); ++i) {
    const Property& p = properties[i];
    appendU16(values, static_cast<uint32_t>(8 + p.value.size()));
    appendU8(values, 0);  // flags
    appendU8(values, p.type);
    appendU16(values, static_cast<uint32_t>(i));  // name number
    appendU16(values, static_cast<uint32_t>(p.value.size()));
    appendBytes(values, p.value);
  }

  Bytes out{'M', 'R', '2', 0};
  appendU32(out, static_cast<uint32_t>(6 + names.size()));
  appendU16(out, kNameChunk);
  appendBytes(out, names);
  appendU32(out, static_cast<uint32_t>(6 + values.size()));
  appendU16(out, kValueChunk);
  appendBytes(out, values);
  return out;
}

}  // namespace jet4
