// Open and Close: the connect string, replacing a connection only on
// success, and handles that die with their connection.
#include "runtime/extended/database_commands.h"
#include "runtime/extended/odbc_engine.h"
#include "tests/database/database_support.h"

namespace {

using dbcmd::DatabaseComponent;
using dbcmd::integer;
using dbcmd::omitted;
using dbcmd::text;

const char kAccess[] = ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access";

std::string connectFor(std::vector<lp::ValueRecord> arguments) {
  arguments.insert(arguments.begin(), lp::ValueRecord{1, 2, lp::unitType(1, 46)});
  return lp::openConnectString(static_cast<int32_t>(arguments.size()), arguments.data());
}

const char* engineConnectString(lp::DbHandle connection) {
  auto get = reinterpret_cast<lp::GetConnectStringEntry>(lp::findEngineEntry("GetConnectString"));
  return get(connection);
}

TEST(OpenConnectString, FolderOnlyWhenThePathHasABackslash) {
  EXPECT_EQ(connectFor({text("D:\\A\\B\\x.kx")}),
            std::string("ODBC;DBQ=D:\\A\\B\\x.kx;DefaultDir=D:\\A\\B") + kAccess + ";");
  EXPECT_EQ(connectFor({text("x.kx")}), std::string("ODBC;DBQ=x.kx") + kAccess + ";");
  EXPECT_EQ(connectFor({text("\\x.kx")}), std::string("ODBC;DBQ=\\x.kx;DefaultDir=") + kAccess + ";");
  EXPECT_EQ(connectFor({omitted()}), std::string("ODBC;DBQ=") + kAccess + ";");
}

TEST(OpenConnectString, UserIdAndPasswordOnlyWhenNotEmpty) {
  const std::string base = std::string("ODBC;DBQ=C:\\d.kx;DefaultDir=C:") + kAccess;
  EXPECT_EQ(connectFor({text("C:\\d.kx"), text("admin"), text("pw")}), base + ";UID=admin;PWD=pw;");
  EXPECT_EQ(connectFor({text("C:\\d.kx"), text(""), text("pw")}), base + ";PWD=pw;");
  EXPECT_EQ(connectFor({text("C:\\d.kx"), text("admin"), text("")}), base + ";UID=admin;");
  EXPECT_EQ(connectFor({text("C:\\d.kx"), omitted(), omitted(), integer(1), dbcmd::logical(true)}), base + ";");
  // Nothing is quoted or escaped.
  EXPECT_EQ(connectFor({text("C:\\d.kx"), text("a;b"), text("{x}=y")}), base + ";UID=a;b;PWD={x}=y;");
  // A user id that is not a text counts as omitted.
  EXPECT_EQ(connectFor({text("C:\\d.kx"), integer(7)}), base + ";");
}

using Connection = DatabaseComponent;

TEST_F(Connection, OpenWithEveryArgument) {
  lp::ValueRecord r = call(lp::cmdDatabaseOpen, {text(dbcmd::passagesPath().c_str()), text("admin"),
                                                 text("secret"), dbcmd::logical(true), dbcmd::logical(true)});
  EXPECT_EQ(r.type, lp::kLogical);
  ASSERT_EQ(r.low, 1u);
  const std::string reported = engineConnectString(database->connection);
  EXPECT_NE(reported.find("DBQ=" + dbcmd::passagesPath()), std::string::npos) << reported;
  EXPECT_NE(query("select * from [sj] where [zhang]=1"), 0);
}

TEST_F(Connection, AMissingFileIsNotOpened) {
  EXPECT_FALSE(open(dbcmd::windowsPath("/nonexistent/folder/x.kx")));
  EXPECT_FALSE(open("no-such-file.kx"));
  EXPECT_EQ(database->connection, 0u);
  EXPECT_EQ(query("select * from [sj]"), 0);
}

TEST_F(Connection, AFailedSecondOpenKeepsTheFirst) {
  ASSERT_TRUE(open(dbcmd::passagesPath()));
  const lp::DbHandle first = database->connection;
  int32_t handle = query("select * from [sj] where [juan]= '创世记' and [zhang]=2");
  ASSERT_NE(handle, 0);
  EXPECT_FALSE(open(dbcmd::windowsPath("/nonexistent/folder/x.kx")));
  EXPECT_EQ(database->connection, first);
  EXPECT_FALSE(isEOF(handle));
  EXPECT_EQ(read(handle, "jie").word, 1);
  EXPECT_EQ(rows("select * from [sj] where [juan]= '约翰福音' and [zhang]=3 and [jie]=16", {"xuhao"}),
            (std::vector<std::string>{"10"}));
}

TEST_F(Connection, ASuccessfulSecondOpenReplacesAndClosesTheFirst) {
  ASSERT_TRUE(open(dbcmd::passagesPath()));
  const lp::DbHandle first = database->connection;
  int32_t handle = query("select * from [sj] where [zhang]=1");
  ASSERT_NE(handle, 0);
  ASSERT_TRUE(open(dbcmd::pinyinPath()));
  EXPECT_NE(database->connection, first);
  EXPECT_STREQ(engineConnectString(first), "");
  EXPECT_TRUE(isEOF(handle));
  EXPECT_EQ(rows("select * from [word] where [pingyin] like 'qsl%'", {"guanjianzi"}),
            (std::vector<std::string>{"启示录"}));
}

TEST_F(Connection, CloseInvalidatesEveryHandle) {
  ASSERT_TRUE(open(dbcmd::passagesPath()));
  int32_t first = query("select * from [sj] where [zhang]=1");
  int32_t second = query("select * from [word]");
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  ASSERT_FALSE(isEOF(first));
  call(lp::cmdDatabaseClose);
  EXPECT_EQ(database->connection, 0u);
  for (int32_t h : {first, second}) {
    EXPECT_TRUE(isEOF(h));
    call(lp::cmdDatabaseMoveFirst, {integer(h)});
    EXPECT_TRUE(isEOF(h));
    EXPECT_TRUE(read(h, "juan").isNull);
    EXPECT_TRUE(read(h, integer(1)).isNull);
  }
  EXPECT_EQ(query("select * from [sj]"), 0);
  call(lp::cmdDatabaseClose);  // closing again does nothing
  // A new connection does not bring the old handles back.
  ASSERT_TRUE(open(dbcmd::passagesPath()));
  int32_t fresh = query("select * from [sj] where [zhang]=1");
  EXPECT_NE(fresh, 0);
  EXPECT_NE(fresh, first);
  EXPECT_TRUE(isEOF(first));
}

}  // namespace
