// Hostile or broken text typed or pasted into the book, search and pinyin
// boxes: quotes, the driver's wildcards, brackets, very long texts and a lone
// GBK lead byte. The reader never fails on them and never lists a row that
// does not answer what was typed.
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;

// The 125-character verse of the passages fixture (列王纪下 6:32).
std::string longFixtureVerse() {
  std::string text = "夹具长句：这一行用来检查超过一百个字的经文在数据库里完整保存，";
  for (int i = 0; i < 7; ++i) text += "并且能够在末尾被搜索到，";
  return text + "最后四个字是尾标结束";
}

std::vector<std::string> hostileTexts() {
  std::string thousand;
  for (int i = 0; i < 1000; ++i) thousand += "爱";
  return {"'", "%", "_", "%_%", "[", "]", "[juan]", "100%", "' or '1'='1", "%' or '1'='1", "\xB0", "爱\xB0",
          std::string(1000, 'a'), thousand};
}

class BadInput : public ReaderTest {
 protected:
  static std::string verseOf(const std::string& row) { return row.substr(row.rfind('|') + 1); }
  static std::string bookOf(const std::string& row) { return row.substr(0, row.find('|')); }
};

TEST_F(BadInput, SearchListsOnlyRowsHoldingTheText) {
  for (const std::string& text : hostileTexts()) {
    setText(kSearchBox, text);
    pressEnter(kSearchBox);
    ASSERT_TRUE(IsWindow(unitWindow(0)));
    for (const std::string& row : rows()) EXPECT_NE(verseOf(row).find(text), std::string::npos) << row;
  }
  // A literal longer than the driver compares: the start of the long verse
  // matches there, but the verse does not hold the whole text.
  setText(kSearchBox, longFixtureVerse());
  pressEnter(kSearchBox);
  EXPECT_EQ(references(), (std::vector<std::string>{"列王纪下 6:32"}));
  setText(kSearchBox, longFixtureVerse() + std::string(600, 'x'));
  pressEnter(kSearchBox);
  EXPECT_TRUE(rows().empty());
  // Several words: every word is checked, the first one too.
  setText(kSearchBox, "% 爱");
  pressEnter(kSearchBox);
  EXPECT_TRUE(rows().empty());
}

TEST_F(BadInput, BookTextListsOnlyThatBook) {
  for (const std::string& text : hostileTexts()) {
    setText(kBookBox, text);
    setText(kChapterBox, "1");
    pressEnter(kChapterBox);
    ASSERT_TRUE(IsWindow(unitWindow(0)));
    for (const std::string& row : rows()) EXPECT_EQ(bookOf(row), text) << row;
  }
}

TEST_F(BadInput, PinyinTextListsOnlyKeysStartingWithIt) {
  setText(kBookBox, "zz");
  ASSERT_TRUE(bookItems().empty());
  for (const std::string& text : hostileTexts()) {
    setText(kBookBox, text);
    ASSERT_TRUE(IsWindow(unitWindow(0)));
    EXPECT_TRUE(bookItems().empty()) << "no key starts with " << text;
  }
}

}  // namespace
