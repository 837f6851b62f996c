// The writer's pieces against bytes decoded from engine-made files.
#include "tools/jet4/data_pages.h"
#include "tools/jet4/database_writer.h"
#include "tools/jet4/header_page.h"
#include "tools/jet4/index_leaf.h"
#include "tools/jet4/row_encoder.h"
#include "tools/jet4/usage_map.h"
#include "tests/host/jet4/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

using namespace jet4;
using jet4test::readFile;

namespace {

const char kEmptySample[] = LUMENPATH_SAMPLES "/access2000-empty.mdb";

TableLayout verseLayout() {
  return layoutColumns({longColumn(u"xuhao"), textColumn(u"juan", 50), longColumn(u"zhang"), longColumn(u"jie"),
                        textColumn(u"jingwen", 255)},
                       false);
}

Bytes pageOf(const Bytes& file, size_t page) {
  return Bytes(file.begin() + page * 4096, file.begin() + (page + 1) * 4096);
}

}  // namespace

TEST(RowEncoding, FixedAreaThenVariableDataThenReversedOffsetsAndNullMask) {
  Bytes row = encodeRow(verseLayout(), {Cell::of(1), Cell::ofText(u"创世记"), Cell::of(1), Cell::of(1), Cell::ofText(u"起初")});
  Bytes expected = {0x05, 0x00, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0x1b, 0x52, 0x16, 0x4e, 0xb0, 0x8b,
                    0x77, 0x8d, 0x1d, 0x52, 0x18, 0x00, 0x14, 0x00, 0x0e, 0x00, 0x02, 0x00, 0x1f};
  EXPECT_EQ(row, expected);
}

TEST(RowEncoding, NullsAndBooleansLiveInTheMask) {
  Bytes nullBook = encodeRow(verseLayout(), {Cell::of(1), Cell::null(), Cell::of(1), Cell::null(), Cell::ofText(u"起")});
  // juan has zero length (both offsets 14); jie's fixed slot stays zeroed.
  Bytes expected = {0x05, 0x00, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0x77, 0x8d,
                    0x10, 0x00, 0x0e, 0x00, 0x0e, 0x00, 0x02, 0x00, 0x15};
  EXPECT_EQ(nullBook, expected);

  TableLayout flags = layoutColumns({longColumn(u"a"), {u"b", ColumnType::Boolean, 0, 0}, textColumn(u"c", 5)}, false);
  EXPECT_EQ(flags.fixedAreaSize, 4);
  Bytes on = encodeRow(flags, {Cell::of(7), Cell::of(1), Cell::null()});
  EXPECT_EQ(on, (Bytes{0x03, 0x00, 7, 0, 0, 0, 0x06, 0x00, 0x06, 0x00, 0x01, 0x00, 0x03}));
  Bytes off = encodeRow(flags, {Cell::of(7), Cell::of(0), Cell::ofText(u"x")});
  EXPECT_EQ(off.back(), 0x05);
}

TEST(RowEncoding, RejectsValuesThatDoNotFit) {
  TableLayout layout = verseLayout();
  auto row = [](Cell book, Cell number) { return Row{Cell::of(1), book, number, Cell::of(1), Cell::ofText(u"x")}; };
  EXPECT_THROW(encodeRow(layout, row(Cell::ofText(std::u16string(51, u'字')), Cell::of(1))), std::invalid_argument);
  EXPECT_NO_THROW(encodeRow(layout, row(Cell::ofText(std::u16string(50, u'字')), Cell::of(1))));
  EXPECT_THROW(encodeRow(layout, row(Cell::of(3), Cell::of(1))), std::invalid_argument);
  EXPECT_THROW(encodeRow(layout, row(Cell::ofText(u"a"), Cell::ofText(u"1"))), std::invalid_argument);
  EXPECT_THROW(encodeRow(layout, row(Cell::ofText(u"a"), Cell::of(int64_t(1) << 32))), std::invalid_argument);
  EXPECT_THROW(encodeRow(layout, {Cell::of(1)}), std::invalid_argument);

  std::vector<Column> wide;
  for (int i = 0; i < 10; ++i) wide.push_back(textColumn(u"c" + std::u16string(1, char16_t(u'a' + i)), 255));
  Row big(10, Cell::ofText(std::u16string(255, u'字')));
  EXPECT_THROW(encodeRow(layoutColumns(wide, false), big), std::invalid_argument);
}

TEST(DataPages, RowsPackDownwardsAndPagesSplitWhenFull) {
  Bytes page = dataPage(16, {Bytes(100, 0xAA), Bytes(50, 0xBB)});
  EXPECT_EQ(page[0], 0x01);
  EXPECT_EQ(page[4] | page[5] << 8, 16);
  EXPECT_EQ(page[12], 2);
  EXPECT_EQ(page[14] | page[15] << 8, 4096 - 100);
  EXPECT_EQ(page[16] | page[17] << 8, 4096 - 150);
  EXPECT_EQ(page[2] | page[3] << 8, 4096 - 14 - 102 - 52);
  EXPECT_EQ(page[4096 - 101], 0xBB);
  EXPECT_EQ(page[4096 - 100], 0xAA);

  // 50 bytes a row with its offset: 81 fill the 4,082 bytes after the header.
  auto groups = groupRowsIntoPages(std::vector<Bytes>(90, Bytes(48)));
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].size(), 81u);
  EXPECT_EQ(groups[1].size(), 9u);
  EXPECT_EQ(groupRowsIntoPages(std::vector<Bytes>(300, Bytes(4))).front().size(), 255u);
}

TEST(UsageMaps, InlineReferenceAndGlobal) {
  Bytes low = inlineMapRow({14, 15});
  ASSERT_EQ(low.size(), kMapRowSize);
  EXPECT_EQ(low[1], 0);
  EXPECT_EQ(low[5 + 1], 0xC0);
  Bytes high = inlineMapRow({700, 701});
  EXPECT_EQ(high[1] | high[2] << 8, 700);
  EXPECT_EQ(high[5], 0x03);
  std::vector<uint32_t> span;
  for (uint32_t p = 18; p < 18 + 778; ++p) span.push_back(p);
  EXPECT_FALSE(fitsInlineMap(span));
  EXPECT_THROW(inlineMapRow(span), std::invalid_argument);

  ASSERT_EQ(referenceBitmapPageCount(span), 1u);
  ReferenceMap reference = referenceMap(span, 796);
  ASSERT_EQ(reference.row.size(), kMapRowSize);
  EXPECT_EQ(reference.row[0], 0x01);
  EXPECT_EQ(reference.row[1] | reference.row[2] << 8, 796);
  EXPECT_EQ(reference.row[5], 0);  // no second range
  const Bytes& bitmap = reference.bitmapPages.at(0);
  EXPECT_EQ(bitmap[0], 0x05);
  EXPECT_EQ(bitmap[4 + 2], 0xFC);  // pages 18..23
  EXPECT_EQ(bitmap[4 + 795 / 8] >> (795 % 8) & 1, 1);
  EXPECT_EQ(bitmap[4 + 796 / 8] >> (796 % 8) & 1, 0);

  Bytes global = globalMapRow(24);  // the empty sample's 24 pages
  ASSERT_EQ(global.size(), kMapRowSize);
  EXPECT_EQ(global[5], 0x00);
  EXPECT_EQ(global[7], 0x00);
  EXPECT_EQ(global[8], 0xFF);
  EXPECT_EQ(globalMapRow(799).size(), 5u + 100);
}

TEST(IndexLeaves, KeysAndPagesMatchEngineMadeOnes) {
  EXPECT_EQ(longKey(2), (Bytes{0x7F, 0x80, 0x00, 0x00, 0x02}));
  EXPECT_EQ(longKey(0x80000000u), (Bytes{0x7F, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(textKey(u"word"), (Bytes{0x7F, 0x73, 0x64, 0x69, 0x4F, 0x01, 0x00}));
  EXPECT_EQ(textKey(u"MSysDb"), textKey(u"msysdb"));
  EXPECT_THROW(textKey(u"sj1"), std::invalid_argument);
  EXPECT_THROW(textKey(u"经文"), std::invalid_argument);

  Bytes sample = readFile(kEmptySample);
  EXPECT_EQ(leafPage(4, {}), pageOf(sample, 10));

  // The sample's Id leaf, rebuilt from its (Id, row) pairs in shuffled order.
  const int64_t ids[] = {0x0F000001, 0x0F000002, 0x0F000003, 0x10000000, 2, 3, 4, 5,
                         -2147483647 - 1, -2147483647, -2147483646, -2147483645, -2147483644, -2147483643,
                         -2147483642, -2147483641, -2147483640, 15};
  std::vector<LeafEntry> entries;
  for (int row = 17; row >= 0; --row) entries.push_back({longKey(ids[row]), 14, static_cast<uint8_t>(row)});
  EXPECT_EQ(leafPage(2, entries), pageOf(sample, 8));

  std::vector<LeafEntry> tooMany(500, LeafEntry{longKey(1), 14, 0});
  EXPECT_THROW(leafPage(2, tooMany), std::invalid_argument);
}

TEST(HeaderPage, DecodesToTheEngineMadeHeader) {
  Bytes sample = pageOf(readFile(kEmptySample), 0);
  toggleHeaderMask(sample);
  double created;
  std::memcpy(&created, &sample[0x72], sizeof created);
  Bytes ours = headerPage(created);
  toggleHeaderMask(ours);
  for (size_t i = 0x6A; i < 0x6E; ++i) ours[i] = sample[i];  // a per-file value we leave zero
  EXPECT_EQ(ours, sample);
}

TEST(Dates, DaysSinceTheEngineEpoch) {
  EXPECT_EQ(jetDate(1899, 12, 30), 0.0);
  EXPECT_EQ(jetDate(1900, 1, 1), 2.0);
  EXPECT_EQ(jetDate(2024, 1, 1), 45292.0);
}
