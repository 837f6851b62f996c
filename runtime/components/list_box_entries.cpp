// The list box type's entry points: property writes with their run-time
// effects or a request to re-create the list, property reads, the serialised
// block and the text conversion.
#include "runtime/components/border_style.h"
#include "runtime/components/component_entries.h"
#include "runtime/components/property_values.h"
#include "runtime/components/list_box_component.h"
#include "runtime/components/list_box_object.h"

namespace lp {
namespace {

// A creation-time style: stored, and the list is rebuilt only when it changed.
int32_t storeStyle(bool& stored, uintptr_t word) {
  const bool wanted = word != 0;
  if (stored == wanted) return 0;
  stored = wanted;
  return 1;
}

void selectIndex(ListBoxObject& list, int32_t index) {
  const auto count = static_cast<int32_t>(SendMessageW(list.window, LB_GETCOUNT, 0, 0));
  list.data.currentIndex = ListBoxData::clampCurrentIndex(index, count);
  if (!list.data.multiSelect) SendMessageW(list.window, LB_SETCURSEL, static_cast<WPARAM>(list.data.currentIndex), 0);
}

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& list = *static_cast<ListBoxObject*>(object);
  ListBoxData& d = list.data;
  endBatch(list);
  const auto number = static_cast<int32_t>(value->word);
  switch (index) {
    case ListBoxData::kBorder:
      d.border = ListBoxData::clampValue(index, number);
      applyBorderStyle(list.window, d.border);
      return 0;
    case ListBoxData::kSorted: return storeStyle(d.sorted, value->word);
    case ListBoxData::kMultiColumn: return storeStyle(d.multiColumn, value->word);
    case ListBoxData::kMultiSelect: return storeStyle(d.multiSelect, value->word);
    case ListBoxData::kRowSpacing:
      changeRowSpacing(list, number);
      return 0;
    case ListBoxData::kTextColor:
      d.textColor = static_cast<uint32_t>(value->word);
      InvalidateRect(list.window, nullptr, TRUE);
      return 0;
    case ListBoxData::kBackColor:
      d.backColor = static_cast<uint32_t>(value->word);
      makeBackBrush(list);
      InvalidateRect(list.window, nullptr, TRUE);
      return 0;
    case ListBoxData::kFont:
      changeListFont(list, bufferOf(value));
      return 0;
    case ListBoxData::kCurrentIndex:
      selectIndex(list, number);
      return 0;
    case ListBoxData::kItems: {
      const std::vector<uint8_t> bytes = bufferOf(value);
      // A block that is no item list leaves the stored list as it was.
      return decodeItemList(bytes.data(), bytes.size(), d.items) ? 1 : 0;
    }
    case ListBoxData::kItemData:
      d.itemData = bufferOf(value);
      return 1;
    case ListBoxData::kDataSource: d.dataSource = textOf(value); return 0;
    case ListBoxData::kDataColumn: d.dataColumn = textOf(value); return 0;
    case ListBoxData::kBindingOption: d.bindingOption = value->word != 0; return 0;
    default: return 0;
  }
}

PropertyValue buffer(const std::vector<uint8_t>& bytes) {
  return {bytes.empty() ? 0 : reinterpret_cast<uintptr_t>(bytes.data()), static_cast<int32_t>(bytes.size())};
}
PropertyValue text(const std::string& s) { return {reinterpret_cast<uintptr_t>(s.c_str()), 0}; }
PropertyValue word(int64_t v) { return {static_cast<uintptr_t>(static_cast<uint32_t>(v)), 0}; }

int32_t liveCurrentIndex(ListBoxObject& list) {
  if (list.data.multiSelect) return -1;
  list.data.currentIndex = static_cast<int32_t>(SendMessageW(list.window, LB_GETCURSEL, 0, 0));
  return list.data.currentIndex;
}

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  auto& list = *static_cast<ListBoxObject*>(object);
  const ListBoxData& d = list.data;
  endBatch(list);
  switch (index) {
    case ListBoxData::kBorder: *out = word(d.border); break;
    case ListBoxData::kSorted: *out = word(d.sorted); break;
    case ListBoxData::kMultiColumn: *out = word(d.multiColumn); break;
    case ListBoxData::kRowSpacing: *out = word(d.rowSpacing); break;
    case ListBoxData::kTextColor: *out = word(d.textColor); break;
    case ListBoxData::kBackColor: *out = word(d.backColor); break;
    case ListBoxData::kFont: *out = buffer(d.font); break;
    case ListBoxData::kMultiSelect: *out = word(d.multiSelect); break;
    case ListBoxData::kCurrentIndex: *out = word(liveCurrentIndex(list)); break;
    case ListBoxData::kItems:
      // The stored list: items added by the add item method are not in it.
      list.itemsScratch = encodeItemList(d.items);
      *out = buffer(list.itemsScratch);
      break;
    case ListBoxData::kItemData: *out = buffer(d.itemData); break;
    case ListBoxData::kDataSource: *out = text(d.dataSource); break;
    case ListBoxData::kDataColumn: *out = text(d.dataColumn); break;
    case ListBoxData::kBindingOption: *out = word(d.bindingOption); break;
    default: return 0;
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  auto& list = *static_cast<ListBoxObject*>(object);
  endBatch(list);
  return globalBlock(list.data.write());
}

}  // namespace

void* listBoxInterface(int32_t number) {
  static const ComponentEntries entries = {createListBox, setProperty, getAllPropertyData, getProperty, convertTextsOf<ListBoxData>};
  return entryOf(entries, number);
}

}  // namespace lp
