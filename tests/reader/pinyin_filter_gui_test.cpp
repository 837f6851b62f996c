// The book box as a pinyin finder over the pinyin fixture, and a double
// click taking a book and bringing back the 66 names.
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;
using Items = std::vector<std::string>;

class PinyinFilter : public ReaderTest {
 protected:
  std::string fixture() const override { return LP_FIXTURE_PINYIN; }
  void SetUp() override {
    ReaderTest::SetUp();
    REQUIRE_COMPONENTS(kBookBox, kBookList);
  }
  void doubleClickItem(int index) {
    HWND list = control(kBookList, "ListBox");
    SendMessageW(list, LB_SETCURSEL, index, 0);
    RECT r = {};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    pump();
  }
};

TEST_F(PinyinFilter, EachChangeNarrowsTheList) {
  const Items template66 = bookItems();
  ASSERT_EQ(template66.size(), 66u);
  setText(kBookBox, "y");
  EXPECT_EQ(bookItems().size(), 10u);
  setText(kBookBox, "yh");
  EXPECT_EQ(bookItems(), (Items{"约翰福音", "约翰一书", "约翰二书", "约翰三书"}));
  setText(kBookBox, "yhf");
  EXPECT_EQ(bookItems(), (Items{"约翰福音"}));
  setText(kBookBox, "zz");
  EXPECT_TRUE(bookItems().empty());
}

TEST_F(PinyinFilter, TypingQuicklyLeavesOnlyTheNewestFilter) {
  // The second character arrives while the first filter is still adding
  // items; the list must hold the second filter's items alone.
  HWND box = control(kBookBox, "Edit");
  PostMessageW(box, WM_CHAR, 'y', 1);
  PostMessageW(box, WM_CHAR, 'h', 1);
  pump();
  EXPECT_EQ(text(kBookBox), "yh");
  EXPECT_EQ(bookItems(), (Items{"约翰福音", "约翰一书", "约翰二书", "约翰三书"}));
}

TEST_F(PinyinFilter, EmptyBoxListsEveryKeyInDatabaseOrder) {
  setText(kBookBox, "yhf");
  setText(kBookBox, "");
  EXPECT_EQ(bookItems(), (Items{"约翰福音", "约翰福音", "约翰一书", "约翰一书", "约翰二书", "约翰二书", "约翰三书",
                                "约翰三书", "约伯记", "约伯记", "创世记", "创世记", "启示录", "启示录"}));
}

TEST_F(PinyinFilter, QuoteLeavesTheListAsItWas) {
  setText(kBookBox, "yh");
  setText(kBookBox, "yh'");
  EXPECT_EQ(bookItems().size(), 4u);
}

TEST_F(PinyinFilter, DoubleClickTakesTheBookAndRestoresTheFullList) {
  const Items template66 = bookItems();
  setText(kBookBox, "yh");
  doubleClickItem(2);
  EXPECT_EQ(text(kBookBox), "约翰二书");
  EXPECT_EQ(bookItems(), template66);
}

}  // namespace
