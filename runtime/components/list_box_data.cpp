#include "runtime/components/list_box_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

namespace {

constexpr uint16_t kLongCount = 0xFFFF;

}  // namespace

void writeItemList(PropertyWriter& out, const std::vector<std::string>& items) {
  if (items.size() < kLongCount) {
    out.u16(static_cast<uint16_t>(items.size()));
  } else {
    out.u16(kLongCount);
    out.u32(static_cast<uint32_t>(items.size()));
  }
  for (const std::string& item : items) out.text(item);
}

std::vector<std::string> readItemList(PropertyReader& in) {
  uint32_t count = in.u16();
  if (count == kLongCount) count = in.u32();
  // Every item takes at least its 4-byte count, so a count that the rest of
  // the block cannot hold is malformed: fail before reserving room for it.
  if (count > in.remaining() / 4) {
    in.fail();
    return {};
  }
  std::vector<std::string> items;
  items.reserve(count);
  for (uint32_t i = 0; i < count && in.ok(); ++i) items.push_back(in.text());
  if (!in.ok()) return {};
  return items;
}

std::vector<uint8_t> encodeItemList(const std::vector<std::string>& items) {
  PropertyWriter out;
  writeItemList(out, items);
  return out.take();
}

bool decodeItemList(const uint8_t* data, size_t size, std::vector<std::string>& items) {
  if (size == 0) {
    items.clear();
    return true;
  }
  PropertyReader in(data, size);
  std::vector<std::string> decoded = readItemList(in);
  if (!in.ok()) return false;
  items = std::move(decoded);
  return true;
}

const PropertyFacts ListBoxData::kProperties[kPropertyCount] = {
    {"\xB1\xDF\xBF\xF2" /* 边框 */, "Border", kPropChoice, 0},
    {"\xC5\xC5\xD0\xF2" /* 排序 */, "Sorted", kPropLogical, 0},
    {"\xB6\xE0\xC1\xD0" /* 多列 */, "MultiColumn", kPropLogical, 0},
    {"\xD0\xD0\xBC\xE4\xBE\xE0" /* 行间距 */, "RowSpacing", kPropInteger, 0},
    {"\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB" /* 文本颜色 */, "TextColor", kPropColour, 0},
    {"\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB" /* 背景颜色 */, "BackColor", kPropBackColour, 0},
    {"\xD7\xD6\xCC\xE5" /* 字体 */, "Font", kPropFont, 0},
    {"\xD4\xCA\xD0\xED\xB6\xE0\xD1\xA1" /* 允许多选 */, "MultiSelect", kPropLogical, 0},
    {"\xCF\xD6\xD0\xD0\xD1\xA1\xD6\xD0\xCF\xEE" /* 现行选中项 */, "CurrentIndex", kPropInteger, 0},
    {"\xC1\xD0\xB1\xED\xCF\xEE\xC4\xBF" /* 列表项目 */, "Items", kPropCustomData, 0},
    {"\xCF\xEE\xC4\xBF\xCA\xFD\xD6\xB5" /* 项目数值 */, "ItemData", kPropCustomData, 0},
    {"\xCA\xFD\xBE\xDD\xD4\xB4" /* 数据源 */, "DataSource", kPropDataSource, 0},
    {"\xCA\xFD\xBE\xDD\xC1\xD0" /* 数据列 */, "DataColumn", kPropDataColumn, 0},
    {"\xB0\xF3\xB6\xA8\xD1\xA1\xCF\xEE" /* 绑定选项 */, "BindingOption", kPropLogical, 0},
};

namespace {

const ChoiceRange kChoices[] = {
    {ListBoxData::kBorder, 0, 5},
    {ListBoxData::kRowSpacing, 0, ListBoxData::kMaxRowSpacing},
};

}  // namespace

int32_t ListBoxData::clampValue(int32_t ownIndex, int32_t value) {
  return clampChoice(kChoices, ownIndex, value);
}

int32_t ListBoxData::clampCurrentIndex(int32_t value, int32_t count) {
  return clampToRange(value, -1, count - 1);
}

uint32_t ListBoxData::itemValue(size_t index) const {
  if (index >= itemData.size() / 4) return 0;
  PropertyReader in(itemData.data() + index * 4, 4);
  return in.u32();
}

bool ListBoxData::read(const uint8_t* block, size_t size) {
  *this = ListBoxData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  border = in.i32();
  sorted = in.logical();
  multiColumn = in.logical();
  rowSpacing = in.i32();
  textColor = in.u32();
  backColor = in.u32();
  multiSelect = in.logical();
  currentIndex = in.i32();
  font = in.bytes();
  itemData = in.bytes();
  items = readItemList(in);
  if (version >= 2) {
    dataSource = in.text();
    dataColumn = in.text();
  }
  if (version >= 3) bindingOption = in.logical();
  if (!in.ok()) {
    *this = ListBoxData();
    return false;
  }
  border = clampValue(kBorder, border);
  rowSpacing = clampValue(kRowSpacing, rowSpacing);
  return true;
}

std::vector<uint8_t> ListBoxData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(border);
  out.logical(sorted);
  out.logical(multiColumn);
  out.i32(rowSpacing);
  out.u32(textColor);
  out.u32(backColor);
  out.logical(multiSelect);
  out.i32(currentIndex);
  out.bytes(font);
  out.bytes(itemData);
  writeItemList(out, items);
  out.text(dataSource);
  out.text(dataColumn);
  out.logical(bindingOption);
  return out.take();
}

void ListBoxData::visitTexts(const TextVisitor& visit) {
  for (std::string& item : items) visit(item, false);
  visitFaceName(font, visit);
  visit(dataSource, false);
  visit(dataColumn, false);
}

}  // namespace lp
