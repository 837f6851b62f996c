// Fuzzy search, preview and the two ways of appending rows to the result
// box, through the real main window over the passages fixture.
#include "tests/reader/reader_fixture.h"

#include <commctrl.h>

namespace {

using namespace readertest;
using Refs = std::vector<std::string>;

class FuzzySearch : public ReaderTest {
 protected:
  void SetUp() override {
    ReaderTest::SetUp();
    REQUIRE_COMPONENTS(kSearchBox, kResultList, kResultBox);
  }
  void search(const char* words) {
    setText(kSearchBox, words);
    pressEnter(kSearchBox);
  }
  RECT rowRect(int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageW(control(kResultList, WC_LISTVIEWA), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The list view's own hot-track notification (Wine's list view does not
  // send it for synthetic mouse moves).
  void hover(int row) {
    HWND list = control(kResultList, WC_LISTVIEWA);
    NMLISTVIEW note = {};
    note.hdr.hwndFrom = list;
    note.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    note.hdr.code = LVN_HOTTRACK;
    note.iItem = row;
    note.iSubItem = 0;
    SendMessageW(GetParent(list), WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
    pump();
  }
  void doubleClickRow(int row) {
    HWND list = control(kResultList, WC_LISTVIEWA);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    RECT r = rowRect(row);
    LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    pump();
  }
};

TEST_F(FuzzySearch, OneWordListsEveryVerseHoldingIt) {
  search("爱");
  EXPECT_EQ(references(), (Refs{"创世记 1:1", "创世记 1:3", "创世记 2:2", "约翰福音 3:16"}));
  // The search button does the same.
  REQUIRE_COMPONENTS(kSearchButton);
  setText(kSearchBox, "神");
  click(kSearchButton);
  EXPECT_EQ(references(), (Refs{"创世记 1:3", "创世记 3:1", "约翰福音 3:16"}));
}

TEST_F(FuzzySearch, FurtherWordsNarrowInDatabaseOrderIgnoringCase) {
  search("爱 神");
  EXPECT_EQ(references(), (Refs{"创世记 1:3", "约翰福音 3:16"}));
  // The first word goes to the database as typed; the others ignore case.
  search("Mixed CASE");
  EXPECT_EQ(references(), (Refs{"诗篇 119:176"}));
}

TEST_F(FuzzySearch, TrailingSpaceIsSearchedAndSpacesOnlyDoNothing) {
  search("爱");
  ASSERT_EQ(references().size(), 4u);
  search("　 ");
  EXPECT_EQ(references().size(), 4u);
  search("爱 ");  // one word, but the statement holds "爱 "
  EXPECT_TRUE(references().empty());
}

TEST_F(FuzzySearch, QuotesNeitherFailNorListForeignRows) {
  search("爱");
  search("' or ''='");
  EXPECT_EQ(references().size(), 4u);  // refused by the driver: the list stays
  search("爱 '");
  EXPECT_TRUE(references().empty());  // no verse holds a quote
}

TEST_F(FuzzySearch, HoverPreviewsTheVerseAndMovingOffKeepsIt) {
  REQUIRE_COMPONENTS(kPreview);
  search("爱");
  hover(1);
  EXPECT_EQ(propertyText(kPreview, 8), "夹具：创世记一章三节，神与爱同在。");
  hover(-1);
  EXPECT_EQ(propertyText(kPreview, 8), "夹具：创世记一章三节，神与爱同在。");
}

TEST_F(FuzzySearch, DoubleClickAndShowAllAppendTheirTwoLineForms) {
  search("爱 神");
  doubleClickRow(1);
  EXPECT_EQ(text(kResultBox), "约翰福音3:16 夹具：约翰福音三章十六节，神爱世人。\r\n");
  REQUIRE_COMPONENTS(kShowAllButton);
  click(kShowAllButton);
  EXPECT_EQ(text(kResultBox),
            "约翰福音3:16 夹具：约翰福音三章十六节，神爱世人。\r\n"
            "创世记-1:3 夹具：创世记一章三节，神与爱同在。\r\n"
            "约翰福音-3:16 夹具：约翰福音三章十六节，神爱世人。\r\n");
}

TEST_F(FuzzySearch, NothingToAppendFromAnEmptyList) {
  REQUIRE_COMPONENTS(kShowAllButton);
  search("爱 ");
  ASSERT_TRUE(references().empty());
  click(kShowAllButton);
  EXPECT_EQ(text(kResultBox), "");
}

}  // namespace
