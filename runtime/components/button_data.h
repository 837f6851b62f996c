// The button's properties as stored in its template (current version 1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct ButtonData {
  static constexpr uint32_t kVersion = 1;

  enum Property : int32_t {
    kPicture, kButtonType, kCaption, kHorizontalAlign, kVerticalAlign, kFont,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  // ButtonType values.
  enum : int32_t { kNormalButton = 0, kDefaultButton = 1 };

  std::vector<uint8_t> picture;
  int32_t buttonType = kNormalButton;
  std::string caption = "\xB0\xB4\xC5\xA5" /* 按钮 */;
  int32_t horizontalAlign = 1;
  int32_t verticalAlign = 1;
  std::vector<uint8_t> font;

  // Versions 0 and 1; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Caption and the font's face name.
  void visitTexts(const TextVisitor& visit);
  static int32_t clampValue(int32_t ownIndex, int32_t value);
};

}  // namespace lp
