// Query, CloseQuery, the end test, the moves and ReadField on one open
// connection: failure values, the record-set limit and field addressing.
#include "runtime/extended/database_commands.h"
#include "tests/database/database_support.h"

namespace {

using dbcmd::DatabaseComponent;
using dbcmd::integer;
using dbcmd::text;

const char kGenesisOne[] = "select * from [sj] where [juan]= '创世记' and [zhang]=1";

class RecordSets : public DatabaseComponent {
 protected:
  void SetUp() override {
    DatabaseComponent::SetUp();
    ASSERT_TRUE(open(dbcmd::passagesPath())) << dbcmd::passagesPath();
  }
};

TEST_F(RecordSets, RejectedAndEmptyStatementsGiveNoHandle) {
  EXPECT_EQ(query("select * from [sj] where [zhang]=-"), 0);
  EXPECT_EQ(query("select * from [sj] where [juan]= '约翰'福音' and [zhang]=3"), 0);
  EXPECT_EQ(query("select * from [nosuchtable]"), 0);
  EXPECT_EQ(query(""), 0);
  lp::ValueRecord r = call(lp::cmdDatabaseQuery, {dbcmd::omitted()});
  EXPECT_EQ(r.type, lp::kInt);
  EXPECT_EQ(r.low, 0u);
  EXPECT_EQ(call(lp::cmdDatabaseQuery, {integer(5)}).low, 0u);
  // The connection is still usable.
  EXPECT_EQ(rows(kGenesisOne, {"jie"}), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(RecordSets, NoMatchGivesAHandleAtTheEnd) {
  int32_t handle = query("select * from [sj] where [juan]= '创世记' and [zhang]=99");
  ASSERT_NE(handle, 0);
  EXPECT_TRUE(isEOF(handle));
  call(lp::cmdDatabaseMoveFirst, {integer(handle)});
  EXPECT_TRUE(isEOF(handle));
  dbcmd::Value v = read(handle, "juan");
  EXPECT_EQ(v.type, lp::kText);
  EXPECT_TRUE(v.isNull);
}

TEST_F(RecordSets, MoveFirstGoesBackAfterTheEnd) {
  int32_t handle = query(kGenesisOne);
  ASSERT_NE(handle, 0);
  for (int i = 0; i < 3; ++i) call(lp::cmdDatabaseMoveNext, {integer(handle)});
  EXPECT_TRUE(isEOF(handle));
  call(lp::cmdDatabaseMoveNext, {integer(handle)});
  EXPECT_TRUE(isEOF(handle));
  call(lp::cmdDatabaseMoveFirst, {integer(handle)});
  EXPECT_FALSE(isEOF(handle));
  EXPECT_EQ(read(handle, "jie").word, 1);
}

TEST_F(RecordSets, ThirtyAtOnceAndCloseQueryWithoutAHandleClosesThemAll) {
  std::vector<int32_t> handles;
  for (int i = 0; i < 30; ++i) {
    handles.push_back(query(kGenesisOne));
    ASSERT_NE(handles.back(), 0) << i;
  }
  EXPECT_EQ(query(kGenesisOne), 0);
  call(lp::cmdDatabaseCloseQuery, {integer(handles[7])});
  EXPECT_TRUE(isEOF(handles[7]));
  int32_t again = query(kGenesisOne);
  EXPECT_NE(again, 0);
  EXPECT_NE(again, handles[7]);
  EXPECT_FALSE(isEOF(handles[8]));
  call(lp::cmdDatabaseCloseQuery);
  for (int32_t h : handles) EXPECT_TRUE(isEOF(h));
  EXPECT_TRUE(isEOF(again));
  EXPECT_NE(query(kGenesisOne), 0);
}

TEST_F(RecordSets, InvalidHandlesReadNothingAndAreAtTheEnd) {
  int32_t handle = query(kGenesisOne);
  ASSERT_NE(handle, 0);
  for (int32_t bad : {0, -1, handle + 1000}) {
    EXPECT_TRUE(isEOF(bad));
    call(lp::cmdDatabaseMoveNext, {integer(bad)});
    EXPECT_TRUE(read(bad, "juan").isNull);
  }
  lp::ValueRecord r = call(lp::cmdDatabaseIsEOF, {dbcmd::omitted()});
  EXPECT_EQ(r.type, lp::kLogical);
  EXPECT_EQ(r.low, 1u);
  EXPECT_EQ(read(handle, "jie").word, 1);
}

TEST_F(RecordSets, ReadFieldByNameIsExactAndCaseSensitive) {
  int32_t handle = query("select * from [sj] where [juan]= '诗篇' and [zhang]=119");
  ASSERT_NE(handle, 0);
  EXPECT_EQ(read(handle, "juan").text, "诗篇");
  EXPECT_EQ(read(handle, "jingwen").text, "夹具：ASCII text with Mixed Case 123.");
  for (const char* name : {"JUAN", "Juan", "juan ", "jua", "", "nosuch"}) {
    dbcmd::Value v = read(handle, name);
    EXPECT_EQ(v.type, lp::kText) << name;
    EXPECT_TRUE(v.isNull) << name;
  }
  dbcmd::Value nullName = read(handle, dbcmd::text(nullptr));
  EXPECT_TRUE(nullName.isNull);
}

TEST_F(RecordSets, ReadFieldByPosition) {
  int32_t handle = query("select * from [sj] where [juan]= '诗篇' and [zhang]=119");
  ASSERT_NE(handle, 0);
  dbcmd::Value first = read(handle, integer(1));
  EXPECT_EQ(first.type, lp::kInt);
  EXPECT_EQ(first.word, 14);
  EXPECT_EQ(read(handle, integer(2)).text, "诗篇");
  EXPECT_EQ(read(handle, integer(4)).word, 176);
  EXPECT_EQ(read(handle, integer(5)).text, "夹具：ASCII text with Mixed Case 123.");
  // Any number addresses a position, truncated to an integer.
  EXPECT_EQ(read(handle, dbcmd::real(2.9)).text, "诗篇");
  for (int32_t outside : {0, 6, -1, INT32_MIN, INT32_MAX}) {
    dbcmd::Value v = read(handle, integer(outside));
    EXPECT_EQ(v.type, lp::kText) << outside;
    EXPECT_TRUE(v.isNull) << outside;
  }
  // Neither a text nor a number: nothing is read.
  for (lp::ValueRecord other : {dbcmd::logical(true), dbcmd::omitted()}) {
    dbcmd::Value v = read(handle, other);
    EXPECT_EQ(v.type, lp::kText);
    EXPECT_TRUE(v.isNull);
  }
}

}  // namespace
