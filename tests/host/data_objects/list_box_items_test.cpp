#include <gtest/gtest.h>

#include "runtime/components/list_box_data.h"
#include "runtime/components/property_stream.h"

namespace lp {
namespace {

TEST(ListBoxItems, ShortCountEncoding) {
  std::vector<uint8_t> bytes = encodeItemList({"ab", ""});
  EXPECT_EQ(bytes, (std::vector<uint8_t>{2, 0, 2, 0, 0, 0, 'a', 'b', 0, 0, 0, 0}));
  std::vector<std::string> items;
  ASSERT_TRUE(decodeItemList(bytes.data(), bytes.size(), items));
  EXPECT_EQ(items, (std::vector<std::string>{"ab", ""}));
}

TEST(ListBoxItems, CountsFrom0xFFFFUseTheEscape) {
  for (size_t count : {size_t{0xFFFE}, size_t{0xFFFF}, size_t{0x10000}}) {
    SCOPED_TRACE(count);
    std::vector<std::string> items(count, "x");
    std::vector<uint8_t> bytes = encodeItemList(items);
    if (count < 0xFFFF) {
      EXPECT_EQ(bytes[0] | bytes[1] << 8, static_cast<int>(count));
      EXPECT_EQ(bytes.size(), 2 + count * 5);
    } else {
      EXPECT_EQ(bytes[0], 0xFF);
      EXPECT_EQ(bytes[1], 0xFF);
      PropertyReader in(bytes.data() + 2, 4);
      EXPECT_EQ(in.u32(), count);
      EXPECT_EQ(bytes.size(), 6 + count * 5);
    }
    std::vector<std::string> decoded;
    ASSERT_TRUE(decodeItemList(bytes.data(), bytes.size(), decoded));
    EXPECT_EQ(decoded.size(), count);
  }
}

TEST(ListBoxItems, EmptyBufferClearsAndMalformedOnesFail) {
  std::vector<std::string> items = {"kept"};
  ASSERT_TRUE(decodeItemList(nullptr, 0, items));
  EXPECT_TRUE(items.empty());

  items = {"kept"};
  const uint8_t oneByte[] = {1};
  EXPECT_FALSE(decodeItemList(oneByte, sizeof oneByte, items));
  const uint8_t missingItem[] = {2, 0, 1, 0, 0, 0, 'a'};
  EXPECT_FALSE(decodeItemList(missingItem, sizeof missingItem, items));
  const uint8_t hugeCount[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0};
  EXPECT_FALSE(decodeItemList(hugeCount, sizeof hugeCount, items));
  EXPECT_EQ(items, std::vector<std::string>{"kept"});
}

TEST(ListBoxItems, ItemValuesBeyondTheArrayAreZero) {
  ListBoxData data;
  data.itemData = {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9};  // a stray ninth byte
  EXPECT_EQ(data.itemValue(0), 1u);
  EXPECT_EQ(data.itemValue(1), 0xFFFFFFFFu);
  EXPECT_EQ(data.itemValue(2), 0u);
  EXPECT_EQ(data.itemValue(1000), 0u);
}

TEST(ListBoxItems, SixtySixBooksRoundTripInsideTheBlock) {
  ListBoxData data;
  for (int i = 0; i < 66; ++i) data.items.push_back("book" + std::to_string(i));
  std::vector<uint8_t> block = data.write();
  ListBoxData read;
  ASSERT_TRUE(read.read(block.data(), block.size()));
  EXPECT_EQ(read.items, data.items);
  EXPECT_EQ(read.currentIndex, -1);
  EXPECT_EQ(read.write(), block);
}

}  // namespace
}  // namespace lp
