// The colour picker's properties as stored in its template (current version 1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"

namespace lp {

struct ColorPickerData {
  static constexpr uint32_t kVersion = 1;

  enum Property : int32_t { kColor, kTransparent, kPropertyCount };
  static const PropertyFacts kProperties[kPropertyCount];

  uint32_t color = kClrBlack;  // kClrDefault means transparent
  bool transparent = false;    // offers the transparent choice

  // Versions 0 and 1; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;

  // The colour the picker starts with: without the transparent choice a
  // stored transparent colour becomes black.
  uint32_t initialColor() const;
};

}  // namespace lp
