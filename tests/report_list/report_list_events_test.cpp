// The report list's events: hot tracking, label editing with EditedText,
// check boxes, focus, the focused row and column clicks.
#include "report_list_fixture.h"

namespace test {
namespace {

using lp::ReportListData;
using Args = std::vector<std::vector<int32_t>>;

class ReportListEvents : public ReportListTest {
 protected:
  // A notification as the list view sends it to the form.
  void notify(UINT code, int item, int subItem = 0) {
    NMLISTVIEW n = {};
    n.hdr = {list(), static_cast<UINT_PTR>(GetDlgCtrlID(list())), code};
    n.iItem = item;
    n.iSubItem = subItem;
    SendMessageW(window(), WM_NOTIFY, n.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
  }
  void addRows(int count) {
    for (int i = 0; i < count; ++i) {
      callInt(lp::kCmdInsertRow, {intArg(-1), textArg(("row " + std::to_string(i)).c_str())});
    }
  }
  // A point of the row's check box, found by hit testing along the row.
  POINT stateIconOf(int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageW(list(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    for (int x = r.left; x < r.left + 60; ++x) {
      LVHITTESTINFO hit = {};
      hit.pt = {x, (r.top + r.bottom) / 2};
      if (SendMessageW(list(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row &&
          (hit.flags & LVHT_ONITEMSTATEICON))
        return hit.pt;
    }
    ADD_FAILURE() << "no state icon on row " << row;
    return {0, 0};
  }
};

TEST_F(ReportListEvents, HotTrackingGivesTheRowOrMinusOne) {
  ASSERT_TRUE(loadList(readerList()));
  addRows(3);
  pump();
  eventLog().clear();  // the real pointer's moves over the new window
  notify(LVN_HOTTRACK, 2);
  notify(LVN_HOTTRACK, -1);
  EXPECT_EQ(argsOf(3), (Args{{2}, {-1}}));
}

TEST_F(ReportListEvents, MouseMovesOverRowsGiveOneEventEach) {
  ASSERT_TRUE(loadList(readerList()));
  addRows(3);
  RECT row1 = {};
  row1.left = LVIR_BOUNDS;
  SendMessageW(list(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row1));
  pump();
  eventLog().clear();
  // Over the second row, far right in the row, then below the last row.
  SendMessageW(list(), WM_MOUSEMOVE, 0, MAKELPARAM(row1.right - 20, (row1.top + row1.bottom) / 2));
  SendMessageW(list(), WM_MOUSEMOVE, 0, MAKELPARAM(10, row1.bottom + 3 * (row1.bottom - row1.top)));
  EXPECT_EQ(argsOf(3), (Args{{1}, {-1}}));
}

TEST_F(ReportListEvents, NoHotTrackingNoEventOnMouseMoves) {
  ReportListData cold = readerList();
  cold.hotTrack = false;
  ASSERT_TRUE(loadList(cold));
  addRows(3);
  RECT row0 = {};
  row0.left = LVIR_BOUNDS;
  SendMessageW(list(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row0));
  SendMessageW(list(), WM_MOUSEMOVE, 0, MAKELPARAM(10, (row0.top + row0.bottom) / 2));
  EXPECT_TRUE(argsOf(3).empty());
}

TEST_F(ReportListEvents, LabelEditingAsksFirstAndShowsTheNewTextDuringItsEnd) {
  ReportListData data = readerList();
  data.editLabels = true;
  ASSERT_TRUE(loadList(data));
  addRows(2);
  handlerResults()[{kList, 6}] = 0;
  SetFocus(list());
  EXPECT_EQ(SendMessageW(list(), LVM_EDITLABELW, 1, 0), 0) << "a false result cancels the editing";
  EXPECT_EQ(argsOf(6), (Args{{1}}));
  handlerResults().clear();

  std::string seen;
  handlerHook() = [&](const LoggedEvent& e) {
    if (e.event == 7) seen = readText(ReportListData::kEditedText);
  };
  auto edit = [&](const wchar_t* text) {
    HWND box = reinterpret_cast<HWND>(SendMessageW(list(), LVM_EDITLABELW, 1, 0));
    ASSERT_NE(box, nullptr);
    SetWindowTextW(box, text);
    SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    pump();
  };
  handlerResults()[{kList, 7}] = 0;
  edit(L"\x65B0");  // 新
  EXPECT_EQ(argsOf(7), (Args{{1}}));
  EXPECT_EQ(seen, "新");
  EXPECT_EQ(cellText(1, 0), "row 1") << "a false result rejects the text";
  handlerResults().clear();
  edit(L"changed");
  EXPECT_EQ(seen, "changed");
  EXPECT_EQ(cellText(1, 0), "changed");
  EXPECT_EQ(readText(ReportListData::kEditedText), "") << "emptied after the handler";
}

TEST_F(ReportListEvents, ACheckBoxClickOrTheSpaceKeyGivesTheRowAndItsNewState) {
  ReportListData data = readerList();
  data.checkBoxes = true;
  ASSERT_TRUE(loadList(data));
  addRows(3);
  const POINT p = stateIconOf(1);
  SendMessageW(list(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageW(list(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  pump();
  EXPECT_EQ(argsOf(8), (Args{{1, 1}}));
  EXPECT_TRUE(ListView_GetCheckState(list(), 1));

  eventLog().clear();
  ListView_SetItemState(list(), 2, LVIS_FOCUSED, LVIS_FOCUSED);
  ListView_SetCheckState(list(), 2, TRUE);
  SetFocus(list());
  SendMessageW(list(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(list(), WM_KEYUP, VK_SPACE, 0);
  pump();
  EXPECT_EQ(argsOf(8), (Args{{2, 0}}));
}

TEST_F(ReportListEvents, ClickingBesideTheCheckBoxRaisesNoCheckEvent) {
  ReportListData data = readerList();
  data.checkBoxes = true;
  ASSERT_TRUE(loadList(data));
  addRows(1);
  RECT r = {};
  r.left = LVIR_LABEL;
  SendMessageW(list(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  SendMessageW(list(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 20, (r.top + r.bottom) / 2));
  SendMessageW(list(), WM_LBUTTONUP, 0, MAKELPARAM(r.left + 20, (r.top + r.bottom) / 2));
  pump();
  EXPECT_TRUE(argsOf(8).empty());
}

TEST_F(ReportListEvents, FocusFocusedRowsAndColumnClicks) {
  ReportListData data = readerList();
  data.singleSelect = true;
  ASSERT_TRUE(loadList(data));
  addRows(3);
  SetFocus(list());
  pump();
  EXPECT_TRUE(raised(kList, -7));
  SetFocus(window());
  pump();
  EXPECT_TRUE(raised(kList, -8));
  eventLog().clear();
  writeProperty(ReportListData::kCurrentRow, 1);
  EXPECT_EQ(argsOf(0).size(), 1u) << "row 1 became the focused row";
  writeProperty(ReportListData::kCurrentRow, 1);
  EXPECT_EQ(argsOf(0).size(), 1u) << "already focused";
  notify(LVN_COLUMNCLICK, -1, 2);
  EXPECT_EQ(argsOf(2), (Args{{2}}));
}

}  // namespace
}  // namespace test
