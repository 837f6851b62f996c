// The report list's commands on the real list view: row indexes, long cell
// texts, column widths, clearing, and a long fill's result.
#include <string>

#include "report_list_fixture.h"

namespace test {
namespace {

using lp::ReportListData;

class ReportListCommands : public ReportListTest {
 protected:
  void SetUp() override {
    ReportListTest::SetUp();
    ASSERT_TRUE(loadList(readerList()));
  }
  int columnWidth(int column) { return static_cast<int>(SendMessageW(list(), LVM_GETCOLUMNWIDTH, column, 0)); }
};

TEST_F(ReportListCommands, InsertRowAppendsWithoutIndexAndInsertsAtAGivenOne) {
  EXPECT_EQ(callInt(lp::kCmdInsertRow), 0) << "an empty list";
  EXPECT_EQ(callInt(lp::kCmdInsertRow, {intArg(-1), textArg("b")}), 1);
  EXPECT_EQ(callInt(lp::kCmdInsertRow, {lp::ValueRecord{0, 0, lp::kNoValue}, textArg("c")}), 2);
  EXPECT_EQ(callInt(lp::kCmdInsertRow, {intArg(1), textArg("a")}), 1) << "an explicit index";
  EXPECT_EQ(callInt(lp::kCmdGetRowCount), 4);
  EXPECT_EQ(cellText(0, 0), "");
  EXPECT_EQ(cellText(1, 0), "a");
  EXPECT_EQ(cellText(2, 0), "b");
  EXPECT_EQ(cellText(3, 0), "c");
}

TEST_F(ReportListCommands, InsertRowStoresImageStateIndentAndItemData) {
  ASSERT_EQ(callInt(lp::kCmdInsertRow, {intArg(-1), textArg("x"), intArg(-7), intArg(1), intArg(-3), intArg(99)}), 0);
  LVITEMW item = {};
  item.mask = LVIF_IMAGE | LVIF_STATE | LVIF_INDENT | LVIF_PARAM;
  item.stateMask = LVIS_STATEIMAGEMASK;
  ASSERT_TRUE(SendMessageW(list(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(item.iImage, -1) << "an image below -1 gives -1";
  EXPECT_EQ(item.state & LVIS_STATEIMAGEMASK, static_cast<UINT>(INDEXTOSTATEIMAGEMASK(2)));
  EXPECT_EQ(item.iIndent, 0) << "a negative indent gives 0";
  EXPECT_EQ(item.lParam, 99);
}

TEST_F(ReportListCommands, CellTextsRoundTripInChineseAndMissingCellsAreEmpty) {
  callInt(lp::kCmdInsertRow);
  EXPECT_EQ(callInt(lp::kCmdSetCellText, {intArg(0), intArg(3), textArg("起初神创造天地。")}), 1);
  EXPECT_EQ(callInt(lp::kCmdSetCellText, {intArg(0), lp::ValueRecord{0, 0, lp::kNoValue}, textArg("创世记")}), 1);
  EXPECT_EQ(cellText(0, 3), "起初神创造天地。");
  EXPECT_EQ(cellText(0, 0), "创世记") << "column 0 when omitted";
  EXPECT_EQ(cellText(5, 0), "") << "no such row";
  EXPECT_EQ(cellText(0, 9), "") << "no such column";
}

TEST_F(ReportListCommands, GetCellTextReturnsTextsLongerThanItsFirstBuffer) {
  callInt(lp::kCmdInsertRow);
  std::string chinese, ascii(1500, 'x');
  for (int i = 0; i < 600; ++i) chinese += "经";
  callInt(lp::kCmdSetCellText, {intArg(0), intArg(3), textArg(chinese.c_str())});
  callInt(lp::kCmdSetCellText, {intArg(0), intArg(1), textArg(ascii.c_str())});
  EXPECT_EQ(cellText(0, 3), chinese);
  EXPECT_EQ(cellText(0, 1), ascii);
}

TEST_F(ReportListCommands, SetColumnWidthAutosizesAndClampsBelowMinusTwo) {
  callInt(lp::kCmdInsertRow);
  callInt(lp::kCmdSetCellText, {intArg(0), intArg(1), textArg("x")});
  // Column 1's heading is wider than its content "x".
  ASSERT_EQ(callInt(lp::kCmdSetColumnWidth, {intArg(1)}), 1);
  const int fitContents = columnWidth(1);
  ASSERT_EQ(callInt(lp::kCmdSetColumnWidth, {intArg(1), intArg(-2)}), 1);
  const int fitHeading = columnWidth(1);
  EXPECT_NE(fitContents, 70);
  EXPECT_NE(fitContents, fitHeading) << "-1 fits the contents, -2 the heading too";
  callInt(lp::kCmdSetColumnWidth, {intArg(1), intArg(200)});
  EXPECT_EQ(columnWidth(1), 200);
  ASSERT_EQ(callInt(lp::kCmdSetColumnWidth, {intArg(1), intArg(-5)}), 1);
  EXPECT_EQ(columnWidth(1), fitHeading) << "-5 acts as -2";
  callInt(lp::kCmdSetColumnWidth, {intArg(1), intArg(-1)});
  EXPECT_EQ(columnWidth(1), fitContents);
}

TEST_F(ReportListCommands, DeleteAllRowsEmptiesTheList) {
  for (int i = 0; i < 3; ++i) callInt(lp::kCmdInsertRow);
  EXPECT_EQ(callInt(lp::kCmdDeleteAllRows), 1);
  EXPECT_EQ(callInt(lp::kCmdGetRowCount), 0);
  EXPECT_EQ(callInt(lp::kCmdInsertRow), 0);
}

// The reader's fill: a row without arguments, then its four cells, and the
// waiting messages processed after every row.
void fillLikeTheReader(ReportListTest& t, int rows) {
  for (int i = 0; i < rows; ++i) {
    const int row = t.callInt(lp::kCmdInsertRow);
    EXPECT_EQ(row, i);
    const std::string n = std::to_string(i);
    t.callInt(lp::kCmdSetCellText, {intArg(row), intArg(0), textArg("创世记")});
    t.callInt(lp::kCmdSetCellText, {intArg(row), intArg(1), textArg(n.c_str())});
    t.callInt(lp::kCmdSetCellText, {intArg(row), intArg(2), textArg("1")});
    t.callInt(lp::kCmdSetCellText, {intArg(row), intArg(3), textArg(("verse " + n).c_str())});
    ReportListTest::pump();
  }
}

TEST_F(ReportListCommands, ABatchedFillReadsBackExactlyAsARowByRowOne) {
  fillLikeTheReader(*this, 400);
  // Read at once, before any timer ends the batch: the list is complete.
  EXPECT_EQ(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0), 400);
  EXPECT_EQ(SendMessageW(list(), LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_EQ(callInt(lp::kCmdGetRowCount), 400);
  EXPECT_EQ(cellText(399, 1), "399");
  EXPECT_EQ(cellText(250, 3), "verse 250");
  EXPECT_EQ(cellText(0, 0), "创世记");
  SCROLLINFO scroll = {};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE | SIF_PAGE;
  ASSERT_TRUE(GetScrollInfo(list(), SB_VERT, &scroll));
  EXPECT_GE(scroll.nMax - scroll.nMin + 1, 400) << "the scroll range covers every row";
}

}  // namespace
}  // namespace test

namespace test {
namespace {

bool hasVerticalScrollBar(HWND list) { return (GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL) != 0; }

TEST_F(ReportListCommands, ABatchedFillAfterClearingShowsTheScrollBarAgain) {
  fillLikeTheReader(*this, 30);
  SendMessageW(list(), LVM_GETTOPINDEX, 0, 0);  // ends the batch
  ASSERT_TRUE(hasVerticalScrollBar(list()));
  callInt(lp::kCmdDeleteAllRows);
  EXPECT_FALSE(hasVerticalScrollBar(list()));
  fillLikeTheReader(*this, 160);
  SendMessageW(list(), LVM_GETTOPINDEX, 0, 0);
  EXPECT_TRUE(hasVerticalScrollBar(list()));
}

}  // namespace
}  // namespace test
