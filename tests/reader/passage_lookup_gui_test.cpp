// Passage lookup through the real main window: Enter in the four number
// boxes over the passages fixture.
#include "tests/reader/reader_fixture.h"

namespace {

using readertest::ReaderTest;
using Refs = std::vector<std::string>;
using namespace readertest;

class PassageLookup : public ReaderTest {
 protected:
  void SetUp() override {
    ReaderTest::SetUp();
    REQUIRE_COMPONENTS(kBookBox, kChapterBox, kVerseBox, kLastChapterBox, kLastVerseBox, kResultList);
  }
  void fill(const char* book, const char* chapter, const char* verse = "", const char* lastChapter = "",
            const char* lastVerse = "") {
    setText(kBookBox, book);
    setText(kChapterBox, chapter);
    setText(kVerseBox, verse);
    setText(kLastChapterBox, lastChapter);
    setText(kLastVerseBox, lastVerse);
  }
};

TEST_F(PassageLookup, ChapterListsItsVersesInFourColumns) {
  fill("创世记", "2");
  pressEnter(kChapterBox);
  EXPECT_EQ(rows(), (Refs{"创世记|2|1|夹具：创世记二章一节。", "创世记|2|2|夹具：创世记二章二节，爱。",
                          "创世记|2|3|夹具：创世记二章三节。"}));
}

TEST_F(PassageLookup, VerseChapterRangeAndBothVerseRangeForms) {
  fill("约翰福音", "3", "16");
  pressEnter(kVerseBox);
  EXPECT_EQ(references(), (Refs{"约翰福音 3:16"}));

  fill("创世记", "1", "2", "2");
  pressEnter(kLastChapterBox);
  EXPECT_EQ(references(), (Refs{"创世记 1:2", "创世记 1:3", "创世记 2:2", "创世记 2:3"}));

  fill("创世记", "1", "2", "1", "3");
  pressEnter(kLastVerseBox);
  EXPECT_EQ(references(), (Refs{"创世记 1:2", "创世记 1:3"}));

  fill("创世记", "1", "2", "3", "1");
  pressEnter(kLastVerseBox);
  EXPECT_EQ(references(), (Refs{"创世记 1:2", "创世记 1:3", "创世记 2:2", "创世记 2:3", "创世记 3:1"}));
}

TEST_F(PassageLookup, ChapterTextsAreComparedNotTheirNumbers) {
  // "1" and "01" differ, so the two-part form runs: its first part (chapters
  // from 1 to below 01) is empty, then chapter 01 up to verse 3.
  fill("创世记", "1", "2", "01", "3");
  pressEnter(kLastVerseBox);
  EXPECT_EQ(references(), (Refs{"创世记 1:1", "创世记 1:2", "创世记 1:3"}));
}

TEST_F(PassageLookup, EmptyBoxesOrBlankBookChangeNothing) {
  fill("创世记", "2");
  pressEnter(kChapterBox);
  const Refs before = references();
  ASSERT_EQ(before.size(), 3u);

  fill("创世记", "");
  pressEnter(kChapterBox);
  EXPECT_EQ(references(), before);
  fill(" 　 ", "1");
  pressEnter(kChapterBox);
  EXPECT_EQ(references(), before);
  fill("创世记", "1");
  pressEnter(kVerseBox);  // the verse box is empty
  EXPECT_EQ(references(), before);
  // Keys other than Enter do nothing.
  PostMessageW(control(kChapterBox, "Edit"), WM_KEYDOWN, VK_SPACE, 0);
  pump();
  EXPECT_EQ(references(), before);
}

TEST_F(PassageLookup, RejectedStatementKeepsRowsAndNoMatchEmptiesList) {
  fill("创世记", "2");
  pressEnter(kChapterBox);
  const Refs before = references();
  ASSERT_EQ(before.size(), 3u);

  fill("创世记", "-");  // not a number: nothing happens
  pressEnter(kChapterBox);
  EXPECT_EQ(references(), before);
  fill("创世'记", "1");  // the driver refuses the doubled quote
  pressEnter(kChapterBox);
  EXPECT_EQ(references(), before);

  fill(" 创世记", "1");  // a leading space inside the literal matches nothing
  pressEnter(kChapterBox);
  EXPECT_TRUE(references().empty());
}

TEST_F(PassageLookup, InjectedTextListsNoForeignRows) {
  fill("创世记", "1 or 1=1");
  pressEnter(kChapterBox);
  EXPECT_TRUE(references().empty());
  fill("x' or '1'='1", "1");
  pressEnter(kChapterBox);
  EXPECT_TRUE(references().empty());
}

TEST_F(PassageLookup, BookWithInnerSpaceIsUsedAsTyped) {
  fill("约翰 福音", "1");
  pressEnter(kChapterBox);
  EXPECT_EQ(references(), (Refs{"约翰 福音 1:1"}));
}

TEST_F(PassageLookup, NewerLookupStartedDuringAFillWins) {
  REQUIRE_COMPONENTS(kSearchBox);
  // The search lists four rows, processing messages after each: the Enter
  // waiting behind its own runs after the first row and must win alone.
  fill("创世记", "3");
  setText(kSearchBox, "爱");
  PostMessageW(control(kSearchBox, "Edit"), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(control(kChapterBox, "Edit"), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  pump();
  EXPECT_EQ(references(), (Refs{"创世记 3:1", "创世记 3:2", "创世记 3:3"}));
}

}  // namespace
