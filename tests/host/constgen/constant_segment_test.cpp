#include "tools/constgen/constant_segment.h"

#include <gtest/gtest.h>

#include "tools/constgen/gbk_text.h"

namespace {

using lp::constgen::Segment;

TEST(ConstantSegment, BlocksStartOnFourByteBoundariesInTheirLayouts) {
  Segment segment;
  EXPECT_EQ(lp::constgen::addText(segment, ""), 0u);
  EXPECT_EQ(lp::constgen::addByteSet(segment, {}), 4u);
  EXPECT_EQ(lp::constgen::addByteSet(segment, {'a', 'b', 'c'}), 12u);
  EXPECT_EQ(lp::constgen::addText(segment, "xy"), 24u);
  EXPECT_EQ(segment.bytes, (std::vector<uint8_t>{0, 0, 0, 0,                      // empty text, padding
                                                 1, 0, 0, 0, 0, 0, 0, 0,          // {1, 0}
                                                 1, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c', 0,
                                                 'x', 'y', 0}));
}

TEST(ConstantSegment, HeaderNamesEachOffset) {
  std::string header = lp::constgen::layoutHeader({{"kKey", 12}, {"kCaption", 40}}, 99);
  EXPECT_NE(header.find("constexpr uint32_t kKey = 12;\n"), std::string::npos);
  EXPECT_NE(header.find("constexpr uint32_t kCaption = 40;\n"), std::string::npos);
  EXPECT_NE(header.find("constexpr uint32_t kSegmentLength = 99;\n"), std::string::npos);
  EXPECT_NE(header.find("extern \"C\" const unsigned char lp_constants[];"), std::string::npos);
}

TEST(GbkText, ConvertsUtf8AndRefusesWhatGbkLacks) {
  std::string gbk;
  ASSERT_TRUE(lp::constgen::utf8ToGbk("\xe5\x85\x89\xe8\xb7\xaf 1.0", gbk));  // 光路 1.0
  EXPECT_EQ(gbk, "\xb9\xe2\xc2\xb7 1.0");
  ASSERT_TRUE(lp::constgen::utf8ToGbk("", gbk));
  EXPECT_EQ(gbk, "");
  EXPECT_FALSE(lp::constgen::utf8ToGbk("\xf0\x9f\x98\x80", gbk));  // an emoji
  EXPECT_FALSE(lp::constgen::utf8ToGbk("ab\xe5\x85", gbk));        // cut in the middle
}

TEST(GbkText, DropsOnlyTrailingLineBreaks) {
  EXPECT_EQ(lp::constgen::withoutTrailingNewlines("a\r\nb\r\n\n"), "a\r\nb");
  EXPECT_EQ(lp::constgen::withoutTrailingNewlines("\n"), "");
}

}  // namespace
