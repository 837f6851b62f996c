// Connections, the entry table, record-set slots and moving through rows.
#include <cstring>
#include <set>

#include "runtime/extended/odbc_name_hash.h"
#include "tests/db_engine/db_engine_support.h"

namespace {

using namespace dbtest;

const char* kSystemObjects = "select [Id], [Name], [Type] from [MSysObjects]";
const int kSystemObjectCount = 17;

TEST(EngineTable, PublishesTheEntriesInOrderWithTheirHashes) {
  const char* order[] = {"ReadColByIndex", "ReadColByName", "MoveNext", "MovePrev", "IsBOF",
                         "IsEOF", "ExecuteSql", "MoveFirst", "MoveLast", "OpenTable",
                         "OpenTableToModi", "CloseTable", "Requery", "OpenDatabase",
                         "NewOpenDatabase", "CloseDatabase", "GetConnectString", "BeginTrans",
                         "RollbackTrans", "CommitTrans", "BDGetRecCount", "BDGetColCount",
                         "BDGetColText", "BDGetColSQLType", "BDSetColText", "BDAppendBlank",
                         "BDRemove", "BDZap", "BDGetColName", "BDGetColWidth", "EmptyVar"};
  int32_t count = 0;
  const lp::EngineEntry* entries = lp::engineEntries(&count);
  ASSERT_EQ(count, 31);
  for (int i = 0; i < count; ++i) {
    EXPECT_STREQ(entries[i].name, order[i]);
    EXPECT_EQ(entries[i].hash, lp::engineNameHash(order[i]));
    EXPECT_EQ(lp::findEngineEntry(order[i]), entries[i].entry);
  }
}

TEST(EngineTable, UnknownNamesFindNothing) {
  EXPECT_EQ(lp::findEngineEntry("GetTabList"), nullptr);
  EXPECT_EQ(lp::findEngineEntry("isEOF"), nullptr);
  EXPECT_EQ(lp::findEngineEntry(""), nullptr);
  EXPECT_EQ(lp::findEngineEntry(nullptr), nullptr);
}

TEST(Connect, ReportsTheCallersPathNotTheHostOne) {
  lp::DbHandle db = openSample("admin", "secret");
  ASSERT_NE(db, 0u);
  std::string reported = entry<lp::GetConnectStringEntry>("GetConnectString")(db);
  EXPECT_NE(reported.find("DBQ=" + samplePath()), std::string::npos) << reported;
  EXPECT_EQ(reported.find(LP_SAMPLE_MDB), std::string::npos) << reported;
  closeDatabase(db);
  EXPECT_STREQ(entry<lp::GetConnectStringEntry>("GetConnectString")(db), "");
}

TEST(Connect, OpenWithoutNoPromptAndWithoutFolder) {
  std::string connect = lp::buildAccessConnectString(samplePath().c_str(), nullptr, nullptr);
  lp::DbHandle db = entry<lp::OpenDatabaseEntry>("OpenDatabase")(0, connect.c_str(), 0);
  ASSERT_NE(db, 0u);
  closeDatabase(db);
  // Without a backslash the path is relative to a folder that does not hold it.
  connect = lp::buildAccessConnectString("no-such-file.kx", nullptr, nullptr);
  EXPECT_EQ(entry<lp::NewOpenDatabaseEntry>("NewOpenDatabase")(0, connect.c_str(), 1, 1), 0u);
}

TEST(Connect, LettersTheDriverWouldMisreadAreNeverSent) {
  // The Access-file driver takes "DSN" anywhere for a data source name.
  EXPECT_EQ(openSample(nullptr, "xDSNx"), 0u);
  EXPECT_NE(openSample(nullptr, "xdsnx"), 0u);
}

TEST(Connect, FailingSecondOpenKeepsTheFirst) {
  lp::DbHandle first = openSample();
  ASSERT_NE(first, 0u);
  std::string missing = lp::buildAccessConnectString(
      windowsPath("/nonexistent/folder/x.kx").c_str(), nullptr, nullptr);
  EXPECT_EQ(entry<lp::NewOpenDatabaseEntry>("NewOpenDatabase")(first, missing.c_str(), 1, 1), 0u);
  lp::DbHandle rs = query(first, kSystemObjects);
  EXPECT_NE(rs, 0u);
  EXPECT_EQ(recordCount(first, rs), kSystemObjectCount);
  closeDatabase(first);
}

TEST(Connect, AfterCloseEveryHandleIsInvalid) {
  lp::DbHandle db = openSample();
  ASSERT_NE(db, 0u);
  lp::DbHandle rs = query(db, kSystemObjects);
  ASSERT_NE(rs, 0u);
  ASSERT_EQ(isEOF(db, rs), 0);
  closeDatabase(db);
  EXPECT_EQ(isEOF(db, rs), 1);
  EXPECT_EQ(isBOF(db, rs), 1);
  EXPECT_EQ(recordCount(db, rs), 0);
  lp::FieldValue f{};
  f.kind = 99;
  EXPECT_EQ(readByIndex(db, rs, 0, &f), 0);
  EXPECT_EQ(f.kind, 99);
  move("MoveNext", db, rs);
  EXPECT_EQ(query(db, kSystemObjects), 0u);
  closeDatabase(db);  // a second close does nothing
  // A new connection never takes over the old handles.
  lp::DbHandle again = openSample();
  lp::DbHandle rs2 = query(again, kSystemObjects);
  EXPECT_NE(again, db);
  EXPECT_NE(rs2, rs);
  EXPECT_EQ(isEOF(again, rs), 1);
  closeDatabase(again);
}

using Queries = SampleDatabase;

TEST_F(Queries, CountIsKnownAndTheSetStandsOnTheFirstRow) {
  lp::DbHandle rs = query(db, kSystemObjects);
  ASSERT_NE(rs, 0u);
  EXPECT_EQ(recordCount(db, rs), kSystemObjectCount);
  EXPECT_EQ(isBOF(db, rs), 0);
  EXPECT_EQ(isEOF(db, rs), 0);
  int walked = 0;
  for (; !isEOF(db, rs); move("MoveNext", db, rs)) ++walked;
  EXPECT_EQ(walked, kSystemObjectCount);
  move("MoveNext", db, rs);
  EXPECT_EQ(isEOF(db, rs), 1);
}

TEST_F(Queries, MovesBackwardsAndToEitherEnd) {
  lp::DbHandle rs = query(db, kSystemObjects);
  lp::FieldValue first{}, last{}, f{};
  ASSERT_EQ(readByIndex(db, rs, 0, &first), 1);
  move("MovePrev", db, rs);
  EXPECT_EQ(isBOF(db, rs), 1);
  EXPECT_EQ(isEOF(db, rs), 0);
  EXPECT_EQ(readByIndex(db, rs, 0, &f), 0);
  move("MoveNext", db, rs);
  ASSERT_EQ(readByIndex(db, rs, 0, &f), 1);
  EXPECT_EQ(f.value.integerValue, first.value.integerValue);
  move("MoveLast", db, rs);
  ASSERT_EQ(readByIndex(db, rs, 0, &last), 1);
  move("MoveNext", db, rs);
  EXPECT_EQ(isEOF(db, rs), 1);
  move("MovePrev", db, rs);
  ASSERT_EQ(readByIndex(db, rs, 0, &f), 1);
  EXPECT_EQ(f.value.integerValue, last.value.integerValue);
  move("MoveFirst", db, rs);
  ASSERT_EQ(readByIndex(db, rs, 0, &f), 1);
  EXPECT_EQ(f.value.integerValue, first.value.integerValue);
}

TEST_F(Queries, NoMatchingRowsGiveAValidHandleAtTheEnd) {
  lp::DbHandle rs = query(db, "select [Id] from [MSysObjects] where [Id] = 123456");
  ASSERT_NE(rs, 0u);
  EXPECT_EQ(isEOF(db, rs), 1);
  EXPECT_EQ(isBOF(db, rs), 1);
  EXPECT_EQ(recordCount(db, rs), 0);
  move("MoveFirst", db, rs);
  move("MoveLast", db, rs);
  EXPECT_EQ(isEOF(db, rs), 1);
  lp::FieldValue f{};
  EXPECT_EQ(readByIndex(db, rs, 0, &f), 0);
}

TEST_F(Queries, BracketedNamesReachTheDriverQuoted) {
  lp::DbHandle rs = query(db, "select [Name] from [MSysObjects] where [Name] = 'Forms'");
  ASSERT_NE(rs, 0u);
  EXPECT_EQ(recordCount(db, rs), 1);
}

TEST_F(Queries, RejectedStatementGivesNothingAndTheConnectionStays) {
  EXPECT_EQ(query(db, "select from where"), 0u);
  EXPECT_EQ(query(db, "select [Id] from [NoSuchTable]"), 0u);
  EXPECT_EQ(query(db, nullptr), 0u);
  EXPECT_EQ(query(0, kSystemObjects), 0u);
  EXPECT_NE(query(db, kSystemObjects), 0u);
}

TEST_F(Queries, ThirtyRecordSetsAtOnceAndNoMore) {
  std::set<lp::DbHandle> handles;
  for (int i = 0; i < 30; ++i) {
    lp::DbHandle rs = query(db, "select [Id] from [MSysObjects] where [Id] = 2");
    ASSERT_NE(rs, 0u) << i;
    handles.insert(rs);
  }
  EXPECT_EQ(handles.size(), 30u);
  EXPECT_EQ(query(db, kSystemObjects), 0u);
  lp::DbHandle freed = *handles.begin();
  entry<lp::CloseTableEntry>("CloseTable")(db, freed);
  EXPECT_EQ(isEOF(db, freed), 1);
  lp::DbHandle reopened = query(db, kSystemObjects);
  EXPECT_NE(reopened, 0u);
  EXPECT_EQ(query(db, kSystemObjects), 0u);
  entry<lp::CloseTableEntry>("CloseTable")(db, 0);
  EXPECT_EQ(isEOF(db, reopened), 1);
  EXPECT_NE(query(db, kSystemObjects), 0u);
}

TEST_F(Queries, RequeryStandsOnTheFirstRowAgain) {
  lp::DbHandle rs = query(db, kSystemObjects);
  move("MoveLast", db, rs);
  move("MoveNext", db, rs);
  ASSERT_EQ(isEOF(db, rs), 1);
  EXPECT_EQ(entry<lp::RecordSetTestEntry>("Requery")(db, rs), 1);
  EXPECT_EQ(isEOF(db, rs), 0);
  EXPECT_EQ(recordCount(db, rs), kSystemObjectCount);
  EXPECT_EQ(entry<lp::RecordSetTestEntry>("Requery")(db, rs + 1000), 0);
}

TEST_F(Queries, ExecuteSqlDropsRowsAndReportsRejection) {
  auto execute = entry<lp::ExecuteSqlEntry>("ExecuteSql");
  EXPECT_EQ(execute(db, kSystemObjects), 1);
  EXPECT_EQ(execute(db, "select from where"), 0);
  EXPECT_EQ(execute(0, kSystemObjects), 0);
}

TEST_F(Queries, TransactionsNeedAnOpenConnectionAndABeginning) {
  EXPECT_EQ(entry<lp::TransactionEntry>("BeginTrans")(0), 0);
  EXPECT_EQ(entry<lp::TransactionEntry>("CommitTrans")(db), 0);
  EXPECT_EQ(entry<lp::TransactionEntry>("RollbackTrans")(db), 0);
  if (entry<lp::TransactionEntry>("BeginTrans")(db)) {
    EXPECT_EQ(entry<lp::TransactionEntry>("BeginTrans")(db), 0);
    EXPECT_EQ(entry<lp::TransactionEntry>("RollbackTrans")(db), 1);
  }
}

}  // namespace
