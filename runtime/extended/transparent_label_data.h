// The transparent label's properties as stored in its template (current
// version 1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct TransparentLabelData {
  static constexpr uint32_t kVersion = 1;

  enum Property : int32_t {
    kCaption, kTextEffect, kFont, kTextColor, kHorizontalAlign, kWordWrap, kVerticalAlign,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  std::string caption = "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9" /* 透明标签 */;
  int32_t textEffect = 0;
  std::vector<uint8_t> font;
  uint32_t textColor = kClrBlack;
  int32_t horizontalAlign = 0;
  bool wordWrap = false;
  int32_t verticalAlign = 1;

  // Versions 0 and 1; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Caption and the font's face name.
  void visitTexts(const TextVisitor& visit);
  static int32_t clampValue(int32_t ownIndex, int32_t value);
};

}  // namespace lp
