// A generated file's system tables and catalog against the Access-made empty
// database, and the page-level bookkeeping readers rely on.
#include "tests/host/jet4/tdef_reader.h"
#include "tests/host/jet4/test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace jet4test;

namespace {

const std::string kSample = LUMENPATH_SAMPLES "/access2000-empty.mdb";
const std::string kFixture = LUMENPATH_FIXTURE_PASSAGES;
const std::string kDatabase = LUMENPATH_DATABASE;

uint32_t u16At(const std::vector<uint8_t>& f, size_t at) { return f.at(at) | f.at(at + 1) << 8; }
uint32_t u32At(const std::vector<uint8_t>& f, size_t at) { return u16At(f, at) | u16At(f, at + 2) << 16; }

// The bytes of row `row` on data page `page`.
std::vector<uint8_t> rowBytes(const std::vector<uint8_t>& f, uint32_t page, uint32_t row) {
  size_t base = static_cast<size_t>(page) * 4096;
  size_t start = u16At(f, base + 14 + 2 * row) & 0x1FFF;
  size_t end = row == 0 ? 4096 : u16At(f, base + 14 + 2 * (row - 1)) & 0x1FFF;
  return std::vector<uint8_t>(f.begin() + base + start, f.begin() + base + end);
}

// The pages a usage map (given by its row pointer) lists.
std::set<uint32_t> mapPages(const std::vector<uint8_t>& f, uint32_t pointer) {
  std::vector<uint8_t> map = rowBytes(f, pointer >> 8, pointer & 0xFF);
  std::set<uint32_t> pages;
  if (map.at(0) == 0) {
    uint32_t start = u32At(map, 1);
    for (size_t bit = 0; bit < (map.size() - 5) * 8; ++bit)
      if (map[5 + bit / 8] >> (bit % 8) & 1) pages.insert(start + static_cast<uint32_t>(bit));
  } else {
    for (size_t slot = 0; 1 + 4 * slot + 4 <= map.size(); ++slot) {
      uint32_t bitmapPage = u32At(map, 1 + 4 * slot);
      if (bitmapPage == 0) continue;
      size_t base = static_cast<size_t>(bitmapPage) * 4096;
      EXPECT_EQ(f.at(base), 0x05);
      for (size_t bit = 0; bit < (4096 - 4) * 8; ++bit)
        if (f[base + 4 + bit / 8] >> (bit % 8) & 1) pages.insert(static_cast<uint32_t>(slot * 32736 + bit));
    }
  }
  return pages;
}

std::set<uint32_t> dataPagesOwnedBy(const std::vector<uint8_t>& f, uint32_t tdefPage) {
  std::set<uint32_t> pages;
  for (uint32_t p = 0; p < f.size() / 4096; ++p)
    if (f[p * 4096] == 0x01 && u32At(f, p * 4096 + 4) == tdefPage) pages.insert(p);
  return pages;
}

struct CatalogRow {
  std::string id, parent, type, owner, flags, properties;
  bool operator==(const CatalogRow& o) const {
    return id == o.id && parent == o.parent && type == o.type && owner == o.owner && flags == o.flags;
  }
};

std::map<std::string, CatalogRow> catalog(const std::string& file) {
  std::map<std::string, CatalogRow> rows;
  std::string out = run("mdb-export -b hex -H -d '\t' -q '' " + quoted(file) + " MSysObjects");
  for (const Record& r : splitLines(out)) {
    if (r.size() < 17) continue;
    rows[r[2]] = {r[0], r[1], r[3], r[6], r[7], r[14]};
  }
  return rows;
}

bool engineMade(const CatalogRow& row) { return std::stoll(row.flags) < 0; }  // flag 0x80000000

}  // namespace

TEST(Catalog, SystemTableDefinitionsEqualTheEngineMadeOnes) {
  auto sample = readFile(kSample);
  auto ours = readFile(kFixture);
  for (uint32_t page = 2; page <= 5; ++page) {
    SCOPED_TRACE("tdef page " + std::to_string(page));
    TableInfo expected = readTdef(sample, page);
    TableInfo actual = readTdef(ours, page);
    EXPECT_EQ(actual.length, expected.length);
    EXPECT_EQ(actual.tableType, expected.tableType);
    EXPECT_EQ(actual.columns, expected.columns);
    EXPECT_EQ(actual.indexes, expected.indexes);
    EXPECT_EQ(actual.longValueColumns, expected.longValueColumns);
  }
}

TEST(Catalog, HoldsEveryEngineMadeRowOfTheSampleAndTheUserTables) {
  auto sample = catalog(kSample);
  auto ours = catalog(kFixture);
  ASSERT_FALSE(sample.empty());
  std::set<std::string> leftOut;
  for (const auto& [name, row] : sample) {
    if (!ours.count(name)) {
      leftOut.insert(name);
      EXPECT_FALSE(engineMade(row)) << name;
      continue;
    }
    EXPECT_EQ(ours[name], row) << name;
  }
  // Objects of the Access program (forms, reports, its own settings), not of the engine.
  EXPECT_EQ(leftOut, (std::set<std::string>{"AccessLayout", "DataAccessPages", "Forms", "MSysAccessObjects", "Modules",
                                            "Reports", "Scripts", "SummaryInfo", "SysRel", "UserDefined"}));
  EXPECT_EQ(ours["MSysDb"].properties, sample["MSysDb"].properties);
  EXPECT_FALSE(ours["MSysDb"].properties.empty());

  auto file = readFile(kFixture);
  for (const char* table : {"sj", "word"}) {
    ASSERT_TRUE(ours.count(table)) << table;
    const CatalogRow& row = ours[table];
    EXPECT_EQ(row.parent, std::to_string(0x0F000001));
    EXPECT_EQ(row.type, "1");
    EXPECT_EQ(row.flags, "0");
    EXPECT_EQ(file.at(std::stoul(row.id) * 4096), 0x02) << "catalog Id is the definition page";
  }
  EXPECT_EQ(ours.size(), 10u);
}

TEST(Catalog, ToolsListTheSameSystemTablesAsForTheSample) {
  std::string sample = run("mdb-tables -S -1 " + quoted(kSample));
  std::string ours = run("mdb-tables -S -1 " + quoted(kFixture));
  EXPECT_EQ(ours, "MSysObjects\nMSysACEs\nMSysQueries\nMSysRelationships\nsj\nword\n");
  EXPECT_EQ(sample.find("MSysObjects\nMSysACEs\nMSysQueries\nMSysRelationships\n"), 0u);
  EXPECT_EQ(run("mdb-tables -1 " + quoted(kFixture)), "sj\nword\n");
}

TEST(Catalog, IndexLeavesAndCountsAgreeWithTheRows) {
  auto sample = readFile(kSample);
  auto f = readFile(kFixture);
  for (uint32_t page = 10; page <= 13; ++page)  // the empty leaves of MSysQueries and MSysRelationships
    EXPECT_TRUE(std::equal(f.begin() + page * 4096, f.begin() + (page + 1) * 4096, sample.begin() + page * 4096))
        << "page " << page;
  for (uint32_t tdef = 2; tdef <= 5; ++tdef) {
    TableInfo table = readTdef(f, tdef);
    uint32_t rows = 0;
    for (uint32_t p : dataPagesOwnedBy(f, tdef)) rows += u16At(f, p * 4096 + 12);
    EXPECT_EQ(table.rowCount, rows) << "tdef " << tdef;
    for (const IndexInfo& index : table.indexes) {
      size_t leaf = static_cast<size_t>(index.rootPage) * 4096;
      EXPECT_EQ(f.at(leaf), 0x04) << index.name;
      EXPECT_EQ(u32At(f, leaf + 4), tdef) << index.name;
      EXPECT_EQ(mapPages(f, index.mapPointer), std::set<uint32_t>{index.rootPage}) << index.name;
      // One entry per row: count the entry ends marked in the leaf's bitmap.
      uint32_t entries = 0;
      for (size_t bit = 0; bit < 453 * 8; ++bit) entries += f[leaf + 0x1B + bit / 8] >> (bit % 8) & 1;
      EXPECT_EQ(entries, rows) << index.name;
    }
  }
}

TEST(Catalog, UsageMapsListExactlyEachTablesDataPages) {
  for (const std::string& path : {kFixture, kDatabase}) {
    SCOPED_TRACE(path);
    auto f = readFile(path);
    const uint32_t pageCount = static_cast<uint32_t>(f.size() / 4096);
    for (const auto& [name, row] : catalog(path)) {
      if (row.type != "1") continue;
      uint32_t tdef = std::stoul(row.id);
      TableInfo table = readTdef(f, tdef);
      EXPECT_EQ(mapPages(f, table.ownedMap), dataPagesOwnedBy(f, tdef)) << name;
      for (uint32_t page : mapPages(f, table.freeMap)) EXPECT_TRUE(dataPagesOwnedBy(f, tdef).count(page)) << name;
    }
    // Global map: every page of the file in use, every later page free.
    std::vector<uint8_t> global = rowBytes(f, 1, 0);
    ASSERT_EQ(global.at(0), 0);
    ASSERT_GE((global.size() - 5) * 8, pageCount);
    for (uint32_t page = 0; page < (global.size() - 5) * 8; ++page)
      ASSERT_EQ(global[5 + page / 8] >> (page % 8) & 1, page >= pageCount ? 1 : 0) << page;
  }
}

TEST(Catalog, LargeTablesUseAReferenceMap) {
  auto f = readFile(kDatabase);
  uint32_t tdef = std::stoul(catalog(kDatabase).at("sj").id);
  TableInfo table = readTdef(f, tdef);
  std::vector<uint8_t> owned = rowBytes(f, table.ownedMap >> 8, table.ownedMap & 0xFF);
  size_t dataPages = dataPagesOwnedBy(f, tdef).size();
  EXPECT_EQ(owned.at(0), dataPages > 512 ? 1 : 0) << dataPages << " data pages";
}
