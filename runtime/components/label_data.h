// The label's properties as stored in its template (current version 2).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct LabelData {
  static constexpr uint32_t kVersion = 2;
  static constexpr int32_t kMinGradientBorderWidth = 5;

  enum Property : int32_t {
    kCaption, kTextEffect, kBorder, kGradientBorderWidth, kGradientBorderColor1,
    kGradientBorderColor2, kGradientBorderColor3, kFont, kTextColor, kBackColor, kBackPicture,
    kPictureMode, kGradientMode, kGradientColor1, kGradientColor2, kGradientColor3,
    kHorizontalAlign, kWordWrap, kVerticalAlign, kDataSource, kDataColumn,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  std::string caption = "\xB1\xEA\xC7\xA9" /* 标签 */;
  int32_t textEffect = 0;
  int32_t border = 0;
  int32_t gradientBorderWidth = 8;
  uint32_t gradientBorderColor1 = kClrGrey;
  uint32_t gradientBorderColor2 = kClrWhite;
  uint32_t gradientBorderColor3 = kClrGrey;
  std::vector<uint8_t> font;
  uint32_t textColor = kClrBlack;
  uint32_t backColor = kClrDefault;
  std::vector<uint8_t> backPicture;
  int32_t pictureMode = 1;
  int32_t gradientMode = 0;
  uint32_t gradientColor1 = kClrGrey;
  uint32_t gradientColor2 = kClrWhite;
  uint32_t gradientColor3 = kClrGrey;
  int32_t horizontalAlign = 0;
  bool wordWrap = false;
  int32_t verticalAlign = 1;
  std::string dataSource;
  std::string dataColumn;

  // Versions 0 to 2; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Caption, the font's face name, data source and data column.
  void visitTexts(const TextVisitor& visit);
  // Choices clamped to their ranges; a frame width below 5 becomes 5.
  static int32_t clampValue(int32_t ownIndex, int32_t value);
};

}  // namespace lp
