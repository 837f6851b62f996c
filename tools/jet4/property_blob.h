// The property blob ("MR2" format) stored in the LvProp column of a catalog
// row, e.g. the database's AccessVersion and Build.
#pragma once

#include "tools/jet4/byte_buffer.h"

#include <string>
#include <vector>

namespace jet4 {

struct Property {
  std::u16string name;
  uint8_t type = 0;  // a column type code: 0x0A text, 0x04 Long Integer, ...
  Bytes value;
};

Property textProperty(std::u16string name, const std::u16string& value);
Property longProperty(std::u16string name, int32_t value);

// A name chunk followed by one unnamed chunk holding every property.
Bytes propertyBlob(const std::vector<Property>& properties);

}  // namespace jet4
