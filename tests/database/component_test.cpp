// The component itself: a hidden child window with no properties whose
// destruction closes its connection.
#include "runtime/core/component_type.h"
#include "runtime/extended/odbc_engine.h"
#include "tests/database/database_support.h"

namespace {

using dbcmd::DatabaseComponent;
using Component = DatabaseComponent;

TEST_F(Component, IsAHiddenChildWindowOfItsOwnClass) {
  HWND w = database->window;
  ASSERT_TRUE(IsWindow(w));
  EXPECT_EQ(GetParent(w), parent);
  const LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_FALSE(style & WS_VISIBLE);
  EXPECT_EQ(GetClassLongPtrA(w, GCLP_HBRBACKGROUND), 0u);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(w, GCLP_HCURSOR)), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(database->windowId, kWindowId);
  EXPECT_EQ(database->unitId, kUnitId);
  EXPECT_EQ(database->connection, 0u);
}

TEST_F(Component, HasNoPropertiesAndOnlyTheBasicEntries) {
  for (int32_t n : std::initializer_list<int32_t>{lp::kEntryGetIconData, lp::kEntryWantsKey,
                                                 lp::kEntryConvertTexts, lp::kEntryIsDefaultButton,
                                                 lp::kEntryFilterMessage, 0, 2, 3})
    EXPECT_EQ(lp::externalDatabaseProvider(n), nullptr) << n;
  auto set = reinterpret_cast<lp::SetPropertyFn>(lp::externalDatabaseProvider(lp::kEntrySetProperty));
  auto get = reinterpret_cast<lp::GetPropertyFn>(lp::externalDatabaseProvider(lp::kEntryGetProperty));
  auto all = reinterpret_cast<lp::GetAllPropertyDataFn>(
      lp::externalDatabaseProvider(lp::kEntryGetAllPropertyData));
  ASSERT_TRUE(set && get && all);
  lp::PropertyValue value{7, 0};
  int32_t flag = 1;
  for (int32_t index : {-1, 0, 5, 100}) {
    EXPECT_EQ(set(database, index, &value, &flag), 0);
    lp::PropertyValue out{99, 99};
    EXPECT_EQ(get(database, index, &out), 0);
  }
  HGLOBAL block = all(database);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 0u);
  GlobalFree(block);
}

TEST_F(Component, DestroyingItClosesItsConnection) {
  ASSERT_TRUE(open(dbcmd::passagesPath()));
  const lp::DbHandle connection = database->connection;
  ASSERT_NE(connection, 0u);
  auto connectString = reinterpret_cast<lp::GetConnectStringEntry>(lp::findEngineEntry("GetConnectString"));
  EXPECT_STRNE(connectString(connection), "");
  DestroyWindow(parent);
  parent = nullptr;
  database = nullptr;
  EXPECT_STREQ(connectString(connection), "");
}

}  // namespace
