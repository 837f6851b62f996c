// The list box's properties as stored in its template (current version 3),
// with the encoding of its item list.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

class PropertyReader;
class PropertyWriter;

// Item list: a 16-bit count (0xFFFF escapes to a following 32-bit count),
// then each item as a 32-bit byte count and its GBK bytes.
void writeItemList(PropertyWriter& out, const std::vector<std::string>& items);
std::vector<std::string> readItemList(PropertyReader& in);
std::vector<uint8_t> encodeItemList(const std::vector<std::string>& items);
// An empty buffer is the empty list; false for a malformed one.
bool decodeItemList(const uint8_t* data, size_t size, std::vector<std::string>& items);

struct ListBoxData {
  static constexpr uint32_t kVersion = 3;
  static constexpr int32_t kMaxRowSpacing = 32767;

  enum Property : int32_t {
    kBorder, kSorted, kMultiColumn, kRowSpacing, kTextColor, kBackColor, kFont, kMultiSelect,
    kCurrentIndex, kItems, kItemData, kDataSource, kDataColumn, kBindingOption,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  int32_t border = 1;
  bool sorted = false;
  bool multiColumn = false;
  int32_t rowSpacing = 1;
  uint32_t textColor = kClrBlack;
  uint32_t backColor = kClrWhite;
  std::vector<uint8_t> font;
  bool multiSelect = false;
  int32_t currentIndex = -1;
  std::vector<std::string> items;
  std::vector<uint8_t> itemData;  // consecutive 32-bit values, one per item
  std::string dataSource;
  std::string dataColumn;
  bool bindingOption = false;

  // Versions 0 to 3; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Every item, the font's face name, data source and data column.
  void visitTexts(const TextVisitor& visit);
  // Border clamped to 0..5, RowSpacing to 0..32767.
  static int32_t clampValue(int32_t ownIndex, int32_t value);
  // CurrentIndex against a list of count items: -1 (none) to count - 1.
  static int32_t clampCurrentIndex(int32_t value, int32_t count);

  // The item value of item index; 0 when ItemData does not reach it.
  uint32_t itemValue(size_t index) const;
};

}  // namespace lp
