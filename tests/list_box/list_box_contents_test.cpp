// The list box's contents: the stored items with their values, the
// selection, the methods, and the stored list as Items reads it and as a
// re-creation brings it back.
#include "list_box_fixture.h"

namespace test {
namespace {

using lp::ListBoxData;

class ListBoxContents : public ListBoxTest {};

std::vector<uint8_t> values(const std::vector<uint32_t>& words) {
  std::vector<uint8_t> bytes;
  for (uint32_t w : words)
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(w >> shift));
  return bytes;
}

std::vector<std::string> decoded(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> items;
  EXPECT_TRUE(lp::decodeItemList(bytes.data(), bytes.size(), items));
  return items;
}

TEST_F(ListBoxContents, TemplateListOfSixtySixHasNoSelection) {
  ListBoxData data;
  data.items = sixtySixItems();
  ASSERT_TRUE(loadList(data));
  EXPECT_EQ(count(), 66);
  EXPECT_EQ(readInt(ListBoxData::kCurrentIndex), -1);
  EXPECT_EQ(SendMessageW(list(), LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(itemText(0), "创世记");
  EXPECT_EQ(itemText(65), "启示录");
}

TEST_F(ListBoxContents, ItemValuesFollowTheirItemsIntoASortedList) {
  ListBoxData data;
  data.sorted = true;
  data.items = {"c", "a", "b"};
  data.itemData = values({30, 10});  // "b" has no value
  ASSERT_TRUE(loadList(data));
  ASSERT_EQ(itemText(0), "a");
  EXPECT_EQ(SendMessageW(list(), LB_GETITEMDATA, 0, 0), 10);
  EXPECT_EQ(SendMessageW(list(), LB_GETITEMDATA, 1, 0), 0);
  EXPECT_EQ(SendMessageW(list(), LB_GETITEMDATA, 2, 0), 30);
}

TEST_F(ListBoxContents, SortedIsIgnoredWhenADataSourceIsNamed) {
  ListBoxData data;
  data.sorted = true;
  data.dataSource = "source";
  data.items = {"c", "a"};
  ASSERT_TRUE(loadList(data));
  EXPECT_FALSE(GetWindowLongW(list(), GWL_STYLE) & LBS_SORT);
  EXPECT_EQ(itemText(0), "c");
}

TEST_F(ListBoxContents, StoredSelectionIsClampedAtCreation) {
  ListBoxData data;
  data.items = {"a", "b", "c"};
  data.currentIndex = 7;
  ASSERT_TRUE(loadList(data));
  EXPECT_EQ(SendMessageW(list(), LB_GETCURSEL, 0, 0), 2);
}

TEST_F(ListBoxContents, CurrentIndexIsClampedAgainstTheLiveList) {
  ListBoxData data;
  data.items = sixtySixItems();
  ASSERT_TRUE(loadList(data));
  writeInt(ListBoxData::kCurrentIndex, 100);
  EXPECT_EQ(SendMessageW(list(), LB_GETCURSEL, 0, 0), 65);
  EXPECT_EQ(readInt(ListBoxData::kCurrentIndex), 65);
  addItem("x");
  writeInt(ListBoxData::kCurrentIndex, 100);
  EXPECT_EQ(readInt(ListBoxData::kCurrentIndex), 66) << "an added item counts";
  writeInt(ListBoxData::kCurrentIndex, -5);
  EXPECT_EQ(SendMessageW(list(), LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(readInt(ListBoxData::kCurrentIndex), -1);
}

TEST_F(ListBoxContents, CurrentIndexOfAMultiSelectionListIsMinusOne) {
  ListBoxData data;
  data.multiSelect = true;
  data.items = {"a", "b"};
  ASSERT_TRUE(loadList(data));
  EXPECT_TRUE(GetWindowLongW(list(), GWL_STYLE) & LBS_EXTENDEDSEL);
  SendMessageW(list(), LB_SETSEL, TRUE, 1);
  EXPECT_EQ(readInt(ListBoxData::kCurrentIndex), -1);
}

TEST_F(ListBoxContents, AddItemAndGetItemText) {
  ListBoxData data;
  data.items = {"a"};
  ASSERT_TRUE(loadList(data));
  EXPECT_EQ(addItem("马太福音", 77), 1);
  EXPECT_EQ(addItem("b"), 2);
  EXPECT_EQ(itemText(1), "马太福音");
  EXPECT_EQ(SendMessageW(list(), LB_GETITEMDATA, 1, 0), 77);
  EXPECT_EQ(SendMessageW(list(), LB_GETITEMDATA, 2, 0), 0) << "an omitted value is 0";
  EXPECT_EQ(itemText(-1), "");
  EXPECT_EQ(itemText(3), "") << "the count itself is out of range";
  clear();
  EXPECT_EQ(count(), 0);
  EXPECT_EQ(itemText(0), "");
}

TEST_F(ListBoxContents, ItemsReadsTheStoredListNotTheLiveOne) {
  ListBoxData data;
  data.items = sixtySixItems();
  ASSERT_TRUE(loadList(data));
  addItem("x");
  addItem("y");
  EXPECT_EQ(count(), 68);
  EXPECT_EQ(decoded(readBytes(ListBoxData::kItems)), sixtySixItems());
}

TEST_F(ListBoxContents, WritingItemsRebuildsTheListFromIt) {
  ListBoxData data;
  data.items = sixtySixItems();
  ASSERT_TRUE(loadList(data));
  clear();
  addItem("x");
  HWND before = list();
  writeBytes(ListBoxData::kItems, lp::encodeItemList({"甲", "乙", "丙"}));
  EXPECT_NE(list(), before);
  EXPECT_TRUE(IsWindowVisible(list()));
  EXPECT_EQ(count(), 3);
  EXPECT_EQ(itemText(2), "丙");
  EXPECT_EQ(decoded(readBytes(ListBoxData::kItems)), (std::vector<std::string>{"甲", "乙", "丙"}));
  writeBytes(ListBoxData::kItems, {});
  EXPECT_EQ(count(), 0) << "an empty block clears the list";
}

TEST_F(ListBoxContents, AMalformedItemsBlockKeepsTheList) {
  ListBoxData data;
  data.items = {"a", "b"};
  ASSERT_TRUE(loadList(data));
  HWND before = list();
  writeBytes(ListBoxData::kItems, {5, 0, 1, 0, 0, 0});  // five items announced, one byte follows
  EXPECT_EQ(list(), before);
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(decoded(readBytes(ListBoxData::kItems)), (std::vector<std::string>{"a", "b"}));
}

TEST_F(ListBoxContents, StyleChangesRebuildFromTheStoredListOnlyWhenChanged) {
  ListBoxData data;
  data.items = {"a", "b"};
  ASSERT_TRUE(loadList(data));
  addItem("added at run time");
  HWND before = list();
  writeInt(ListBoxData::kSorted, 0);
  EXPECT_EQ(list(), before) << "the value it already has";
  EXPECT_EQ(count(), 3);
  writeInt(ListBoxData::kMultiColumn, 1);
  EXPECT_NE(list(), before);
  EXPECT_TRUE(GetWindowLongW(list(), GWL_STYLE) & LBS_MULTICOLUMN);
  EXPECT_EQ(count(), 2) << "items added by the method are lost";
  EXPECT_EQ(readInt(ListBoxData::kMultiColumn), 1);
}

TEST_F(ListBoxContents, WritingItemDataRebuildsWithTheNewValues) {
  ListBoxData data;
  data.items = {"a", "b"};
  ASSERT_TRUE(loadList(data));
  writeBytes(ListBoxData::kItemData, values({5, 6}));
  EXPECT_EQ(SendMessageW(list(), LB_GETITEMDATA, 1, 0), 6);
  EXPECT_EQ(readBytes(ListBoxData::kItemData), values({5, 6}));
}

}  // namespace
}  // namespace test
