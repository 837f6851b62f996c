#include "runtime/components/color_picker_data.h"

#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts ColorPickerData::kProperties[kPropertyCount] = {
    {"\xD1\xD5\xC9\xAB" /* 颜色 */, "Color", kPropColourOrNone, 0},
    {"\xD4\xCA\xD0\xED\xCD\xB8\xC3\xF7" /* 允许透明 */, "Transparent", kPropLogical, 0},
};

bool ColorPickerData::read(const uint8_t* block, size_t size) {
  *this = ColorPickerData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  color = in.u32();
  transparent = in.logical();
  if (!in.ok()) {
    *this = ColorPickerData();
    return false;
  }
  return true;
}

std::vector<uint8_t> ColorPickerData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.u32(color);
  out.logical(transparent);
  return out.take();
}

uint32_t ColorPickerData::initialColor() const {
  return (!transparent && color == kClrDefault) ? kClrBlack : color;
}

}  // namespace lp
