// The list box's looks and events: row spacing across font changes, the
// colours it answers its parent's colour request with, its border, and the
// events its reflected notifications raise.
#include "fake_components.h"
#include "list_box_fixture.h"
#include "runtime/core/entry_services.h"

namespace test {
namespace {

using lp::ListBoxData;

class ListBoxLooks : public ListBoxTest {
 protected:
  // The item height a plain LISTBOX has with the list box's current font.
  int plainItemHeight() {
    HWND plain = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 100, 100, window(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(plain, WM_SETFONT, SendMessageW(list(), WM_GETFONT, 0, 0), FALSE);
    const int height = static_cast<int>(SendMessageW(plain, LB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(plain);
    return height;
  }
  int itemHeight() { return static_cast<int>(SendMessageW(list(), LB_GETITEMHEIGHT, 0, 0)); }
};

TEST_F(ListBoxLooks, RowSpacingIsKeptAcrossFontChanges) {
  ListBoxData data;
  data.rowSpacing = 4;
  data.items = {"a"};
  ASSERT_TRUE(loadList(data));
  EXPECT_EQ(itemHeight(), plainItemHeight() + 4);
  const int before = plainItemHeight();
  lp_entry_services.writeProperty(kWindowId, kListUnit, property(ListBoxData::kFont), 5, 28, 0);  // size 28
  ASSERT_GT(plainItemHeight(), before);
  EXPECT_EQ(itemHeight(), plainItemHeight() + 4);
  writeInt(ListBoxData::kRowSpacing, 10);
  EXPECT_EQ(itemHeight(), plainItemHeight() + 10);
  writeInt(ListBoxData::kRowSpacing, -3);
  EXPECT_EQ(readInt(ListBoxData::kRowSpacing), 0);
  EXPECT_EQ(itemHeight(), plainItemHeight());
}

TEST_F(ListBoxLooks, ColourRequestGetsTextAndBackgroundColours) {
  ListBoxData data;
  data.textColor = RGB(200, 10, 20);
  data.backColor = RGB(1, 2, 3);
  ASSERT_TRUE(loadList(data));
  HDC dc = CreateCompatibleDC(nullptr);
  auto colourRequest = [&] {
    return reinterpret_cast<HBRUSH>(
        SendMessageW(window(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list())));
  };
  HBRUSH brush = colourRequest();
  LOGBRUSH logBrush = {};
  ASSERT_TRUE(GetObjectW(brush, sizeof logBrush, &logBrush));
  EXPECT_EQ(logBrush.lbColor, RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(dc), RGB(200, 10, 20));
  EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));

  writeInt(ListBoxData::kBackColor, static_cast<int32_t>(lp::kClrDefault));
  writeInt(ListBoxData::kTextColor, RGB(0, 0, 255));
  EXPECT_EQ(colourRequest(), GetSysColorBrush(COLOR_BTNFACE)) << "follows the system colour";
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
  DeleteDC(dc);
}

TEST_F(ListBoxLooks, BorderIsClampedAndApplied) {
  ListBoxData data;
  ASSERT_TRUE(loadList(data));
  EXPECT_TRUE(GetWindowLongW(list(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "border 1 by default";
  writeInt(ListBoxData::kBorder, 9);
  EXPECT_EQ(readInt(ListBoxData::kBorder), 5);
  EXPECT_TRUE(GetWindowLongW(list(), GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongW(list(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(ListBoxLooks, DataBindingNamesAreStored) {
  ListBoxData data;
  ASSERT_TRUE(loadList(data));
  lp_entry_services.writeProperty(kWindowId, kListUnit, property(ListBoxData::kDataSource), -1,
                                  static_cast<uint32_t>(reinterpret_cast<uintptr_t>("source")),
                                  static_cast<uint32_t>(static_cast<uint64_t>(reinterpret_cast<uintptr_t>("source")) >> 32));
  const uint64_t word = lp_entry_services.readProperty(kWindowId, kListUnit, property(ListBoxData::kDataSource), -1);
  char* text = reinterpret_cast<char*>(static_cast<uintptr_t>(word));
  EXPECT_STREQ(text, "source");
  lp_entry_services.free(text);
}

TEST_F(ListBoxLooks, SelectionAndDoubleClickRaiseEventsZeroAndOne) {
  ListBoxData data;
  data.items = {"a", "b", "c"};
  ASSERT_TRUE(loadList(data));
  const int row = itemHeight();
  SendMessageW(list(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, row + row / 2));
  SendMessageW(list(), WM_LBUTTONUP, 0, MAKELPARAM(5, row + row / 2));
  pump();
  EXPECT_TRUE(raised(kListUnit, 0));
  EXPECT_EQ(readInt(ListBoxData::kCurrentIndex), 1);
  EXPECT_FALSE(raised(kListUnit, 1));
  SendMessageW(list(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, row + row / 2));
  SendMessageW(list(), WM_LBUTTONUP, 0, MAKELPARAM(5, row + row / 2));
  pump();
  EXPECT_TRUE(raised(kListUnit, 1));
}

TEST_F(ListBoxLooks, FocusNotificationsRaiseTheCommonFocusEvents) {
  setWindow(lp::WindowData(), 400, 400);
  addComponent(1, kListBoxType, ListBoxData().write(), 0);
  addComponent(2, kFakeEdit, fakeBlock(0, ""), 1);
  ASSERT_TRUE(load());
  HWND edit = unitWindow(componentId(2));
  SetFocus(edit);
  pump();
  eventLog().clear();
  SetFocus(list());
  pump();
  EXPECT_TRUE(raised(kListUnit, -7));
  EXPECT_FALSE(raised(kListUnit, -8));
  SetFocus(edit);
  pump();
  EXPECT_TRUE(raised(kListUnit, -8));
}

}  // namespace
}  // namespace test
