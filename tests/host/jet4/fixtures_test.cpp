// The test fixtures that lp-mkdb writes, read with mdbtools: the rows
// FIXTURES.md promises and the reader's statements over them.
#include "tests/host/jet4/test_support.h"

#include <gtest/gtest.h>

using namespace jet4test;

namespace {

const std::string kPassages = LUMENPATH_FIXTURE_PASSAGES;
const std::string kPinyin = LUMENPATH_FIXTURE_PINYIN;
const std::string kFind = "select * from [sj] where [juan]= '";

std::vector<int> sequence(const std::string& database, const std::string& statement) {
  std::vector<int> out;
  for (const Record& r : query(database, statement)) out.push_back(std::stoi(r.at(0)));
  return out;
}

std::vector<std::string> books(const std::string& database, const std::string& pattern) {
  std::vector<std::string> out;
  for (const Record& r : query(database, "select * from [word] where [pingyin] like '" + pattern + "%'"))
    out.push_back(r.at(1));
  return out;
}

}  // namespace

TEST(Fixtures, PassagesHoldTheDocumentedRows) {
  std::vector<Record> rows = exportTable(kPassages, "sj");
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(rows[0], (Record{"1", "创世记", "1", "1", "夹具：创世记一章一节，爱在这里。"}));
  EXPECT_EQ(rows[11], (Record{"12", "约翰 福音", "1", "1", "夹具：书名中间有一个空格。"}));
  EXPECT_EQ(rows[12][1], "列王纪下");
  EXPECT_EQ(rows[12][4].size(), 125u * 3);  // 125 characters, none lost
  EXPECT_EQ(rows[13], (Record{"14", "诗篇", "119", "176", "夹具：ASCII text with Mixed Case 123."}));
  EXPECT_EQ(exportTable(kPassages, "word").size(), 8u);
}

TEST(Fixtures, PassageLookupsOfTheReader) {
  EXPECT_EQ(sequence(kPassages, kFind + "创世记' and [zhang]=2"), (std::vector<int>{4, 5, 6}));
  EXPECT_EQ(sequence(kPassages, kFind + "约翰福音' and [zhang]=3 and [jie]=16"), (std::vector<int>{10}));
  EXPECT_EQ(sequence(kPassages, kFind + "创世记' and [zhang]>=1 and [jie]>=2 and [zhang]<=2"),
            (std::vector<int>{2, 3, 5, 6}));
  EXPECT_EQ(sequence(kPassages, kFind + "创世记' and [zhang]=1 and [jie]>=2 and [jie]<=3"), (std::vector<int>{2, 3}));
  EXPECT_EQ(sequence(kPassages, kFind + "创世记' and [zhang]>=1 and [jie]>=2 and [zhang]<3"),
            (std::vector<int>{2, 3, 5, 6}));
  EXPECT_EQ(sequence(kPassages, kFind + "创世记' and  [zhang]=3 and [jie]<=1"), (std::vector<int>{7}));
  EXPECT_EQ(sequence(kPassages, kFind + "约翰 福音' and [zhang]=1"), (std::vector<int>{12}));
  EXPECT_EQ(sequence(kPassages, kFind + "约翰福音' and [zhang]>=1"), (std::vector<int>{10, 11}));
  EXPECT_TRUE(sequence(kPassages, kFind + " 创世记' and [zhang]=1").empty());
}

TEST(Fixtures, SearchesOfTheReader) {
  EXPECT_EQ(sequence(kPassages, "select * from [sj] where [jingwen] like '%爱%'"), (std::vector<int>{1, 3, 5, 10}));
  EXPECT_EQ(sequence(kPassages, "select * from [sj] where [jingwen] like '%尾标结束%'"), (std::vector<int>{13}));
  EXPECT_EQ(sequence(kPassages, "select * from [sj] where [jingwen] like '%Mixed Case%'"), (std::vector<int>{14}));
  EXPECT_EQ(books(kPassages, "yh"), (std::vector<std::string>{"约翰福音"}));
}

TEST(Fixtures, PinyinKeysMatchByTheirBeginning) {
  EXPECT_EQ(books(kPinyin, "yh"), (std::vector<std::string>{"约翰福音", "约翰一书", "约翰二书", "约翰三书"}));
  EXPECT_EQ(books(kPinyin, "yue"), (std::vector<std::string>{"约翰福音", "约翰一书", "约翰二书", "约翰三书", "约伯记"}));
  EXPECT_EQ(books(kPinyin, "").size(), 14u);
  EXPECT_TRUE(books(kPinyin, "zz").empty());
  EXPECT_TRUE(exportTable(kPinyin, "sj").empty());
  EXPECT_EQ(run("mdb-tables -1 " + quoted(kPinyin)), "sj\nword\n");
}
