// The edit box's properties as stored in its template (current version 2).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct EditBoxData {
  static constexpr uint32_t kVersion = 2;

  enum Property : int32_t {
    kContent, kBorder, kTextColor, kBackColor, kFont, kHideSelection, kMaxLength, kMultiLine,
    kScrollBars, kAlignment, kInputMode, kPasswordChar, kCaseConversion, kAdjuster,
    kAdjusterMin, kAdjusterMax, kSelStart, kSelLength, kSelectedText, kDataSource, kDataColumn,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  enum InputMode : int32_t {
    kNormalInput, kReadOnlyInput, kPasswordInput, kIntegerTextInput, kDecimalTextInput,
    kByteInput, kShortInput, kIntInput, kLongInput, kFloatInput, kDoubleInput, kDateTimeInput,
  };
  enum Adjuster : int32_t { kNoAdjuster, kAutomaticAdjuster, kManualAdjuster };

  std::string content;
  int32_t border = 1;
  uint32_t textColor = kClrBlack;
  uint32_t backColor = kClrWhite;
  std::vector<uint8_t> font;
  bool hideSelection = true;
  int32_t maxLength = 0;
  bool multiLine = false;
  int32_t scrollBars = 0;
  int32_t alignment = 0;
  int32_t inputMode = kNormalInput;
  uint16_t passwordChar = '*';  // the character is the low byte
  int32_t caseConversion = 0;
  int32_t adjuster = kNoAdjuster;
  int32_t adjusterMin = 0;
  int32_t adjusterMax = 100;
  int32_t selStart = 0;
  int32_t selLength = 0;
  std::string dataSource;
  std::string dataColumn;

  // Versions 0 to 2; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Content, the font's face name, data source and data column.
  void visitTexts(const TextVisitor& visit);
  // Choices clamped to their ranges; a negative maximum length becomes 0.
  static int32_t clampValue(int32_t ownIndex, int32_t value);

  // Writes of SelStart and SelLength: -1 means caret to the end and select
  // all; other negative values become 0.
  void setSelStart(int32_t value, int32_t textLength);
  void setSelLength(int32_t value, int32_t textLength);
};

}  // namespace lp
