// The reader over the database built from the full scripture text: lookups
// and searches whose answers are known from the text file itself. Skipped
// when the build carries the small sample instead.
#include "tests/reader/reader_fixture.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

using namespace readertest;
using Refs = std::vector<std::string>;

struct Verse {
  std::string book, chapter, verse, text;  // GBK
};

std::string utf8ToGbk(const std::string& utf8) {
  const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &w[0], wide);
  const int narrow = WideCharToMultiByte(936, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string gbk(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(936, 0, w.data(), wide, &gbk[0], narrow, nullptr, nullptr);
  return gbk;
}

// Every verse of the text file, in file order (the database's order).
const std::vector<Verse>& textFile() {
  static const std::vector<Verse> verses = [] {
    std::vector<Verse> all;
    std::ifstream in(LP_SCRIPTURE_TEXT, std::ios::binary);
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::istringstream fields(line);
      Verse v;
      std::getline(fields, v.book, '\t');
      std::getline(fields, v.chapter, '\t');
      std::getline(fields, v.verse, '\t');
      std::getline(fields, v.text);
      all.push_back({utf8ToGbk(v.book), v.chapter, v.verse, utf8ToGbk(v.text)});
    }
    return all;
  }();
  return verses;
}

// True when the GBK bytes occur in the text as characters, not only across
// the boundary of two others (which a byte-wise LIKE also matches).
bool holdsCharacters(const std::string& gbk, const std::string& part) {
  for (size_t i = 0; i + part.size() <= gbk.size();) {
    if (gbk.compare(i, part.size(), part) == 0) return true;
    i += static_cast<unsigned char>(gbk[i]) >= 0x81 ? 2 : 1;
  }
  return false;
}

class FullText : public ReaderTest {
 protected:
  std::string fixture() const override { return LP_PROGRAM_DATABASE; }
  void SetUp() override {
    if (!LP_FULL_TEXT) GTEST_SKIP() << "the build carries the small sample, not the full text";
    ReaderTest::SetUp();
  }
  void lookUp(const char* book, const char* chapter, const char* verse, const char* lastChapter,
              const char* lastVerse, uint32_t enterIn) {
    setText(kBookBox, book);
    setText(kChapterBox, chapter);
    setText(kVerseBox, verse);
    setText(kLastChapterBox, lastChapter);
    setText(kLastVerseBox, lastVerse);
    pressEnter(enterIn);
  }
  void search(const char* words) {
    setText(kSearchBox, words);
    pressEnter(kSearchBox);
  }
  static std::string row(const Verse& v) { return v.book + "|" + v.chapter + "|" + v.verse + "|" + v.text; }
};

TEST_F(FullText, VerseChapterAndAVerseRangeAcrossChapters) {
  lookUp("约翰福音", "3", "16", "", "", kVerseBox);
  Refs want;
  for (const Verse& v : textFile())
    if (v.book == "约翰福音" && v.chapter == "3" && v.verse == "16") want.push_back(row(v));
  ASSERT_EQ(want.size(), 1u);
  EXPECT_EQ(rows(), want);

  lookUp("诗篇", "119", "", "", "", kChapterBox);
  const Refs psalm = references();
  ASSERT_EQ(psalm.size(), 176u);
  for (size_t i = 0; i < psalm.size(); ++i) EXPECT_EQ(psalm[i], "诗篇 119:" + std::to_string(i + 1));

  lookUp("创世记", "1", "1", "2", "3", kLastVerseBox);
  Refs range;
  for (int verse = 1; verse <= 31; ++verse) range.push_back("创世记 1:" + std::to_string(verse));
  for (int verse = 1; verse <= 3; ++verse) range.push_back("创世记 2:" + std::to_string(verse));
  EXPECT_EQ(references(), range);
}

TEST_F(FullText, SearchListsEveryVerseHoldingTheWordInOrder) {
  search("爱");
  const Refs listed = rows();
  Refs want;
  for (const Verse& v : textFile())
    if (holdsCharacters(v.text, "爱")) want.push_back(row(v));
  ASSERT_GT(want.size(), 500u);
  // The driver's byte-wise LIKE may add rows where the two bytes straddle two
  // other characters; nothing else may differ.
  Refs withoutStraddling;
  for (const std::string& r : listed) {
    const std::string text = r.substr(r.rfind('|') + 1);
    if (holdsCharacters(text, "爱")) {
      withoutStraddling.push_back(r);
    } else {
      EXPECT_NE(text.find("爱"), std::string::npos) << "a row without the word: " << r;
    }
  }
  EXPECT_EQ(withoutStraddling, want);
  EXPECT_LE(listed.size() - want.size(), 5u);

  search("以马内利");
  EXPECT_EQ(references(), (Refs{"以赛亚书 7:14", "以赛亚书 8:8", "马太福音 1:23"}));
}

}  // namespace
