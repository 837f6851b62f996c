#include <gtest/gtest.h>

#include <cstring>

#include "runtime/components/property_stream.h"
#include "runtime/extended/report_list_data.h"
#include "runtime/extended/report_list_records.h"

namespace lp {
namespace {

// The reader's four columns in GBK: 福音卷书 120, 章 70, 节 70, 对应经文 295.
const char* const kHeadings[] = {"\xB8\xA3\xD2\xF4\xBE\xED\xCA\xE9", "\xD5\xC2", "\xBD\xDA",
                                 "\xB6\xD4\xD3\xA6\xBE\xAD\xCE\xC4"};
const int32_t kWidths[] = {120, 70, 70, 295};

// The stored Columns bytes, written field by field as the template holds them.
std::vector<uint8_t> readerColumnBytes() {
  PropertyWriter out;
  for (int i = 0; i < 4; ++i) {
    out.u8(0);    // image not on the right
    out.i32(-1);  // no image
    out.i32(0);   // left
    out.i32(kWidths[i]);
    out.raw(reinterpret_cast<const uint8_t*>(kHeadings[i]), std::strlen(kHeadings[i]) + 1);
  }
  return out.take();
}

TEST(ReportColumns, ReaderColumnsParseAndEncodeByteExact) {
  std::vector<uint8_t> bytes = readerColumnBytes();
  ASSERT_EQ(bytes.size(), 4 * 13 + 9 + 3 + 3 + 9u);
  std::vector<ReportColumn> columns;
  ASSERT_TRUE(parseColumns(bytes, columns));
  ASSERT_EQ(columns.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(columns[i].heading, kHeadings[i]);
    EXPECT_EQ(columns[i].width, kWidths[i]);
    EXPECT_EQ(columns[i].image, -1);
    EXPECT_EQ(columns[i].alignment, 0);
    EXPECT_EQ(columns[i].imageOnRight, 0);
  }
  EXPECT_EQ(encodeColumns(columns), bytes);
}

TEST(ReportColumns, OddFieldValuesSurviveTheRoundTrip) {
  std::vector<uint8_t> bytes = {7, 2, 0, 0, 0, 9, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0};
  std::vector<ReportColumn> columns;
  ASSERT_TRUE(parseColumns(bytes, columns));
  EXPECT_EQ(columns[0].imageOnRight, 7);
  EXPECT_EQ(columns[0].alignment, 9);
  EXPECT_EQ(columns[0].width, -1);
  EXPECT_EQ(columns[0].heading, "");
  EXPECT_EQ(encodeColumns(columns), bytes);
}

TEST(ReportColumns, IncompleteRecordFailsKeepingTheCompleteOnes) {
  std::vector<uint8_t> bytes = readerColumnBytes();
  bytes.pop_back();  // the last heading loses its zero
  std::vector<ReportColumn> columns;
  EXPECT_FALSE(parseColumns(bytes, columns));
  EXPECT_EQ(columns.size(), 3u);
  EXPECT_TRUE(parseColumns({}, columns));
  EXPECT_TRUE(columns.empty());
}

TEST(ReportRows, RowsAndSubItemsParseAndEncodeByteExact) {
  std::vector<ReportRowRecord> rows(3);
  rows[0] = {0, 1, 0, 2, 1234, "row", "tip"};
  rows[1] = {1, -1, -1, 0, 0, "cell", ""};
  rows[2] = {0, -1, -1, 0, 0, "", "second tip"};
  std::vector<uint8_t> bytes = encodeRows(rows);
  ASSERT_EQ(bytes.size(), 3 * 17 + 8 + 6 + 12u);
  EXPECT_EQ(bytes[13], 0xD2);  // item data 1234, low byte
  EXPECT_EQ(bytes[17], 'r');
  std::vector<ReportRowRecord> parsed;
  ASSERT_TRUE(parseRows(bytes, parsed));
  ASSERT_EQ(parsed.size(), 3u);
  EXPECT_EQ(parsed[0].itemData, 1234);
  EXPECT_EQ(parsed[0].indent, 2);
  EXPECT_EQ(parsed[0].tip, "tip");
  EXPECT_EQ(parsed[1].subItem, 1);
  EXPECT_EQ(parsed[1].text, "cell");
  EXPECT_EQ(parsed[2].tip, "second tip");
  EXPECT_EQ(encodeRows(parsed), bytes);

  bytes.pop_back();  // the last info tip is cut off
  EXPECT_FALSE(parseRows(bytes, parsed));
}

TEST(ReportListTexts, HeadingsRowTextsAndFaceNameAreVisited) {
  ReportListData data;
  data.columns = readerColumnBytes();
  data.initialRows = encodeRows({{0, -1, -1, 0, 0, "r", "t"}});
  std::vector<std::string> seen;
  data.visitTexts([&](std::string& text, bool) {
    seen.push_back(text);
    text = "[" + text + "]";
  });
  EXPECT_EQ(seen, (std::vector<std::string>{kHeadings[0], kHeadings[1], kHeadings[2],
                                            kHeadings[3], "r", "t"}));
  std::vector<ReportColumn> columns;
  ASSERT_TRUE(parseColumns(data.columns, columns));
  EXPECT_EQ(columns[1].heading, std::string("[") + kHeadings[1] + "]");
  EXPECT_EQ(columns[3].width, 295);

  data.columns = {1, 2, 3};  // malformed: left as it is
  data.visitTexts([](std::string& text, bool) { text = "x"; });
  EXPECT_EQ(data.columns, (std::vector<uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace lp
