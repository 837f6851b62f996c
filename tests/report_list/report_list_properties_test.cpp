// The report list's properties on the real control: the reader's stored
// values, CurrentRow, writes that rebuild and those that do not, initial
// rows with their info tips, and the serialised block.
#include "report_list_fixture.h"
#include "runtime/core/memory_service.h"
#include "runtime/extended/report_list_records.h"

namespace test {
namespace {

using lp::ReportListData;

class ReportListProperties : public ReportListTest {
 protected:
  DWORD listExtended() { return static_cast<DWORD>(SendMessageW(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)); }
  LONG style() { return GetWindowLongW(list(), GWL_STYLE); }
  std::wstring heading(int column) {
    wchar_t buffer[64] = {};
    LVCOLUMNW c = {};
    c.mask = LVCF_TEXT;
    c.pszText = buffer;
    c.cchTextMax = 64;
    SendMessageW(list(), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
    return buffer;
  }
};

TEST_F(ReportListProperties, TheReadersListShowsItsStoredColumnsAndStyles) {
  ASSERT_TRUE(loadList(readerList()));
  EXPECT_EQ(style() & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_FALSE(style() & LVS_SINGLESEL);
  EXPECT_FALSE(style() & LVS_NOSORTHEADER);
  EXPECT_TRUE(GetWindowLongW(list(), GWL_EXSTYLE) & WS_EX_STATICEDGE) << "border 3";
  const DWORD ex = listExtended();
  for (DWORD flag : {LVS_EX_FULLROWSELECT, LVS_EX_GRIDLINES, LVS_EX_TRACKSELECT, LVS_EX_ONECLICKACTIVATE,
                     LVS_EX_UNDERLINECOLD, LVS_EX_UNDERLINEHOT, LVS_EX_INFOTIP, LVS_EX_SUBITEMIMAGES})
    EXPECT_TRUE(ex & flag) << std::hex << flag;
  EXPECT_FALSE(ex & (LVS_EX_CHECKBOXES | LVS_EX_HEADERDRAGDROP));
  const wchar_t* headings[] = {L"\x798F\x97F3\x5377\x4E66", L"\x7AE0", L"\x8282", L"\x5BF9\x5E94\x7ECF\x6587"};
  const int widths[] = {120, 70, 70, 295};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(heading(i), headings[i]) << i;
    EXPECT_EQ(SendMessageW(list(), LVM_GETCOLUMNWIDTH, i, 0), widths[i]) << i;
  }
  EXPECT_EQ(SendMessageW(list(), LVM_GETBKCOLOR, 0, 0), 0xFFFFFF);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(list(), WM_GETFONT, 0, 0));
  LOGFONTW logFont = {};
  ASSERT_TRUE(font && GetObjectW(font, sizeof logFont, &logFont));
  EXPECT_EQ(logFont.lfHeight, -12);
  EXPECT_STREQ(logFont.lfFaceName, L"\x5B8B\x4F53");
}

TEST_F(ReportListProperties, CurrentRowIsMinusOneWithoutSelectionAndWritesNeedSingleSelect) {
  ReportListData single = readerList();
  single.singleSelect = true;
  ASSERT_TRUE(loadList(single));
  for (int i = 0; i < 3; ++i) callInt(lp::kCmdInsertRow);
  EXPECT_EQ(static_cast<int32_t>(readProperty(ReportListData::kCurrentRow)), -1);
  writeProperty(ReportListData::kCurrentRow, 2);
  EXPECT_EQ(static_cast<int32_t>(readProperty(ReportListData::kCurrentRow)), 2);
  EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
  writeProperty(ReportListData::kCurrentRow, static_cast<uint32_t>(-1));
  EXPECT_EQ(static_cast<int32_t>(readProperty(ReportListData::kCurrentRow)), -1);
}

TEST_F(ReportListProperties, CurrentRowWritesAreIgnoredWithoutSingleSelect) {
  ASSERT_TRUE(loadList(readerList()));
  for (int i = 0; i < 3; ++i) callInt(lp::kCmdInsertRow);
  writeProperty(ReportListData::kCurrentRow, 1);
  EXPECT_EQ(static_cast<int32_t>(readProperty(ReportListData::kCurrentRow)), -1);
  ListView_SetItemState(list(), 0, LVIS_SELECTED, LVIS_SELECTED);
  writeProperty(ReportListData::kCurrentRow, static_cast<uint32_t>(-1));
  EXPECT_EQ(static_cast<int32_t>(readProperty(ReportListData::kCurrentRow)), 0) << "the user's selection stays";
}

TEST_F(ReportListProperties, CreationStylesRebuildOnlyWhenChangedAndKeepTheirValue) {
  ASSERT_TRUE(loadList(readerList()));
  HWND first = list();
  writeProperty(ReportListData::kGridLines, 1);
  EXPECT_EQ(list(), first) << "the value it already has";
  writeProperty(ReportListData::kGridLines, 0);
  ASSERT_NE(list(), first);
  EXPECT_FALSE(listExtended() & LVS_EX_GRIDLINES);
  EXPECT_TRUE(listExtended() & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(SendMessageW(list(), LVM_GETCOLUMNWIDTH, 3, 0), 295) << "columns come back from the stored data";
  HWND second = list();
  writeProperty(ReportListData::kBackColor, 0x00FF00);
  writeProperty(ReportListData::kHideHeader, 1);
  EXPECT_EQ(list(), second) << "applied in place";
  EXPECT_EQ(SendMessageW(list(), LVM_GETBKCOLOR, 0, 0), 0x00FF00);
  EXPECT_TRUE(style() & LVS_NOCOLUMNHEADER);
  writeProperty(ReportListData::kViewType, 9);
  EXPECT_EQ(style() & LVS_TYPEMASK, LVS_REPORT) << "clamped to 3, no change";
  EXPECT_EQ(list(), second);
  writeProperty(ReportListData::kViewType, 2);
  EXPECT_EQ(style() & LVS_TYPEMASK, LVS_LIST);
  EXPECT_EQ(static_cast<int32_t>(readProperty(ReportListData::kViewType)), 2);
}

TEST_F(ReportListProperties, HandCursorRebuildsOnlyWithHotTracking) {
  ReportListData data = readerList();
  data.hotTrack = false;
  ASSERT_TRUE(loadList(data));
  HWND first = list();
  writeProperty(ReportListData::kUnderlineHot, 0);
  EXPECT_EQ(list(), first);
  writeProperty(ReportListData::kHotTrack, 1);
  HWND second = list();
  ASSERT_NE(second, first);
  EXPECT_TRUE(listExtended() & LVS_EX_TRACKSELECT);
  EXPECT_FALSE(listExtended() & LVS_EX_UNDERLINEHOT) << "the stored value was kept";
  writeProperty(ReportListData::kUnderlineHot, 1);
  EXPECT_NE(list(), second);
  EXPECT_TRUE(listExtended() & LVS_EX_UNDERLINEHOT);
}

TEST_F(ReportListProperties, InitialRowsFillRowsAndCellsAndGiveInfoTips) {
  std::vector<lp::ReportRowRecord> rows(4);
  rows[0].text = "甲";
  rows[0].tip = "第一行";
  rows[0].itemData = 7;
  rows[1].subItem = 1;
  rows[1].text = "cell";
  rows[2].text = "乙";
  rows[2].tip = "a rather long tip";
  rows[2].image = 5;  // no image list: -1
  rows[3].subItem = 1;
  rows[3].text = "second";
  ReportListData data = readerList();
  data.initialRows = lp::encodeRows(rows);
  ASSERT_TRUE(loadList(data));
  EXPECT_EQ(callInt(lp::kCmdGetRowCount), 2);
  EXPECT_EQ(cellText(0, 0), "甲");
  EXPECT_EQ(cellText(0, 1), "cell");
  EXPECT_EQ(cellText(1, 1), "second");
  LVITEMW item = {};
  item.mask = LVIF_PARAM | LVIF_IMAGE;
  item.iItem = 1;
  SendMessageW(list(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, -1);

  wchar_t buffer[8] = {L'?'};
  NMLVGETINFOTIPW tip = {};
  tip.hdr = {list(), static_cast<UINT_PTR>(GetDlgCtrlID(list())), static_cast<UINT>(LVN_GETINFOTIPW)};
  tip.pszText = buffer;
  tip.cchTextMax = 8;
  tip.iItem = 0;
  SendMessageW(window(), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
  EXPECT_STREQ(buffer, L"\x7B2C\x4E00\x884C");
  tip.iItem = 1;
  SendMessageW(window(), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
  EXPECT_STREQ(buffer, L"a rathe") << "cut to the buffer";
}

TEST_F(ReportListProperties, ReadsGiveStoredValuesAndTheBlockRoundTrips) {
  ReportListData data = readerList();
  data.textColor = 0x123456;
  ASSERT_TRUE(loadList(data));
  EXPECT_EQ(readProperty(ReportListData::kTextColor), 0x123456u);
  EXPECT_EQ(readProperty(ReportListData::kFullRowSelect), 1u);
  EXPECT_EQ(readProperty(ReportListData::kBorder), 3u);
  EXPECT_EQ(readText(ReportListData::kEditedText), "") << "empty outside event 7";
  auto* columns = reinterpret_cast<void*>(static_cast<uintptr_t>(readProperty(ReportListData::kColumns)));
  ASSERT_NE(columns, nullptr);
  EXPECT_EQ(std::vector<uint8_t>(lp::byteSetData(columns), lp::byteSetData(columns) + lp::byteSetSize(columns)),
            data.columns);
  lp::release(columns);
}

}  // namespace
}  // namespace test
