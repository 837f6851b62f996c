// The reader's statements on the fixture databases, through the commands:
// the rows they give and their values as typed values.
#include "runtime/extended/database_commands.h"
#include "tests/database/database_support.h"

namespace {

using dbcmd::DatabaseComponent;
using Strings = std::vector<std::string>;

class Passages : public DatabaseComponent {
 protected:
  void SetUp() override {
    DatabaseComponent::SetUp();
    ASSERT_TRUE(open(dbcmd::passagesPath())) << dbcmd::passagesPath();
  }
  Strings numbers(const char* statement) { return rows(statement, {"xuhao"}); }
};

TEST_F(Passages, OneVerseWithChineseTextAndIntegerColumns) {
  int32_t handle = query("select * from [sj] where [juan]= '约翰福音' and [zhang]=3 and [jie]=16");
  ASSERT_NE(handle, 0);
  call(lp::cmdDatabaseMoveFirst, {dbcmd::integer(handle)});
  ASSERT_FALSE(isEOF(handle));
  dbcmd::Value juan = read(handle, "juan");
  EXPECT_EQ(juan.type, lp::kText);
  EXPECT_EQ(juan.text, "约翰福音");
  for (auto [name, expected] : {std::pair<const char*, int>{"xuhao", 10}, {"zhang", 3}, {"jie", 16}}) {
    dbcmd::Value v = read(handle, name);
    EXPECT_EQ(v.type, lp::kInt) << name;
    EXPECT_EQ(v.word, expected) << name;
  }
  EXPECT_EQ(read(handle, "jingwen").text, "夹具：约翰福音三章十六节，神爱世人。");
  call(lp::cmdDatabaseMoveNext, {dbcmd::integer(handle)});
  EXPECT_TRUE(isEOF(handle));
  call(lp::cmdDatabaseCloseQuery, {dbcmd::integer(handle)});
}

TEST_F(Passages, ChapterAndRangeLookups) {
  EXPECT_EQ(rows("select * from [sj] where [juan]= '创世记' and [zhang]=2", {"juan", "zhang", "jie"}),
            (Strings{"创世记|2|1", "创世记|2|2", "创世记|2|3"}));
  EXPECT_EQ(numbers("select * from [sj] where [juan]= '创世记' and [zhang]>=1 and [jie]>=2 and [zhang]<=2"),
            (Strings{"2", "3", "5", "6"}));
  EXPECT_EQ(numbers("select * from [sj] where [juan]= '创世记' and [zhang]=1 and [jie]>=2 and [jie]<=3"),
            (Strings{"2", "3"}));
  EXPECT_EQ(numbers("select * from [sj] where [juan]= '创世记' and [zhang]>=1 and [jie]>=2 and [zhang]<3"),
            (Strings{"2", "3", "5", "6"}));
  EXPECT_EQ(numbers("select * from [sj] where [juan]= '创世记' and  [zhang]=3 and [jie]<=1"), (Strings{"7"}));
}

TEST_F(Passages, BookNamesMatchExactly) {
  EXPECT_EQ(numbers("select * from [sj] where [juan]= '约翰 福音' and [zhang]=1"), (Strings{"12"}));
  int32_t handle = query("select * from [sj] where [juan]= ' 创世记' and [zhang]=1");
  ASSERT_NE(handle, 0);
  EXPECT_TRUE(isEOF(handle));
}

TEST_F(Passages, TextSearches) {
  EXPECT_EQ(numbers("select * from [sj] where [jingwen] like '%爱%'"), (Strings{"1", "3", "5", "10"}));
  EXPECT_EQ(numbers("select * from [sj] where [jingwen] like '%Mixed Case%'"), (Strings{"14"}));
  EXPECT_TRUE(numbers("select * from [sj] where [jingwen] like '%mixed case%'").empty());
  // A verse of 125 characters comes back whole.
  int32_t handle = query("select * from [sj] where [jingwen] like '%尾标结束%'");
  ASSERT_NE(handle, 0);
  ASSERT_FALSE(isEOF(handle));
  EXPECT_EQ(read(handle, "xuhao").word, 13);
  const std::string verse = read(handle, "jingwen").text;
  EXPECT_EQ(verse.size(), 250u);
  EXPECT_EQ(verse.substr(0, 8), "夹具长句");
  EXPECT_EQ(verse.substr(242), "尾标结束");
  call(lp::cmdDatabaseCloseQuery, {dbcmd::integer(handle)});
}

TEST_F(Passages, PinyinKeys) {
  EXPECT_EQ(rows("select * from [word] where [pingyin] like 'yh%'", {"pingyin", "guanjianzi"}),
            (Strings{"yhfy|约翰福音"}));
}

class Pinyin : public DatabaseComponent {
 protected:
  void SetUp() override {
    DatabaseComponent::SetUp();
    ASSERT_TRUE(open(dbcmd::pinyinPath())) << dbcmd::pinyinPath();
  }
  Strings books(const char* typed) {
    std::string statement = std::string("select * from [word] where [pingyin] like '") + typed + "%'";
    return rows(statement.c_str(), {"guanjianzi"});
  }
};

TEST_F(Pinyin, TheBookFilterInDatabaseOrder) {
  const Strings john = {"约翰福音", "约翰一书", "约翰二书", "约翰三书"};
  EXPECT_EQ(books("yh"), john);
  Strings yue = john;
  yue.push_back("约伯记");
  EXPECT_EQ(books("yue"), yue);
  EXPECT_EQ(books("").size(), 14u);
  int32_t handle = query("select * from [word] where [pingyin] like 'zz%'");
  ASSERT_NE(handle, 0);
  EXPECT_TRUE(isEOF(handle));
  EXPECT_TRUE(rows("select * from [sj] where [zhang]=1", {"juan"}).empty());
}

}  // namespace
