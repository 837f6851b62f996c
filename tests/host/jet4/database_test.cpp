// The built lumenpath.kx read back with the mdbtools commands, checked
// against the text it was made from and with the reader's own statements.
#include "tests/host/jet4/test_support.h"

#include <gtest/gtest.h>

#include <set>

using namespace jet4test;

namespace {

const std::string kDatabase = LUMENPATH_DATABASE;
const std::string kSourceText = LUMENPATH_DATABASE_TEXT;  // the full text, or the sample when it is absent
const std::string kFullText = LUMENPATH_SCRIPTURE_TSV;
const std::string kPinyin = LUMENPATH_PINYIN;

bool builtFromFullText() { return kSourceText == kFullText; }

const char* const kBooks[66] = {
    "创世记", "出埃及记", "利未记", "民数记", "申命记", "约书亚记", "士师记", "路得记", "撒母耳记上", "撒母耳记下",
    "列王纪上", "列王纪下", "历代志上", "历代志下", "以斯拉记", "尼希米记", "以斯帖记", "约伯记", "诗篇", "箴言",
    "传道书", "雅歌", "以赛亚书", "耶利米书", "耶利米哀歌", "以西结书", "但以理书", "何西阿书", "约珥书", "阿摩司书",
    "俄巴底亚书", "约拿书", "弥迦书", "那鸿书", "哈巴谷书", "西番雅书", "哈该书", "撒迦利亚书", "玛拉基书", "马太福音",
    "马可福音", "路加福音", "约翰福音", "使徒行传", "罗马书", "哥林多前书", "哥林多后书", "加拉太书", "以弗所书",
    "腓立比书", "歌罗西书", "帖撒罗尼迦前书", "帖撒罗尼迦后书", "提摩太前书", "提摩太后书", "提多书", "腓利门书",
    "希伯来书", "雅各书", "彼得前书", "彼得后书", "约翰一书", "约翰二书", "约翰三书", "犹大书", "启示录"};

size_t characters(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

std::vector<int> sequenceNumbers(const std::vector<Record>& rows) {
  std::vector<int> out;
  for (const Record& r : rows) out.push_back(std::stoi(r.at(0)));
  return out;
}

// Verses whose GBK bytes contain the word's GBK bytes: what a byte-wise LIKE
// finds. `straddling` receives those that do not contain the word itself.
std::vector<int> byteMatches(const std::vector<Record>& verses, const std::string& word, std::set<int>& straddling) {
  std::vector<int> out;
  const std::string needle = toGbk(word);
  for (size_t i = 0; i < verses.size(); ++i) {
    if (toGbk(verses[i][3]).find(needle) == std::string::npos) continue;
    out.push_back(static_cast<int>(i + 1));
    if (verses[i][3].find(word) == std::string::npos) straddling.insert(static_cast<int>(i + 1));
  }
  return out;
}

}  // namespace

TEST(Database, IsJet4WithTheReadersTables) {
  EXPECT_EQ(run("mdb-ver " + quoted(kDatabase)), "JET4\n");
  EXPECT_EQ(run("mdb-tables -1 " + quoted(kDatabase)), "sj\nword\n");
  std::string schema = run("mdb-schema " + quoted(kDatabase));
  for (const char* column : {"[xuhao]\t\t\tLong Integer", "[juan]\t\t\tText (50)", "[zhang]\t\t\tLong Integer",
                             "[jie]\t\t\tLong Integer", "[jingwen]\t\t\tText (255)", "[pingyin]\t\t\tText (50)",
                             "[guanjianzi]\t\t\tText (50)"})
    EXPECT_NE(schema.find(column), std::string::npos) << column;
}

TEST(Database, VerseTableEqualsTheSourceText) {
  std::vector<Record> verses = readTsv(kSourceText);
  std::vector<Record> rows = exportTable(kDatabase, "sj");
  ASSERT_EQ(rows.size(), verses.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    Record expected{std::to_string(i + 1)};
    expected.insert(expected.end(), verses[i].begin(), verses[i].end());
    ASSERT_EQ(rows[i], expected) << "row " << i + 1;
  }
}

TEST(Database, HoldsTheWholeTextWhenBuiltFromIt) {
  if (!fileExists(kFullText)) GTEST_SKIP() << "full text absent: " << kFullText;
  ASSERT_TRUE(builtFromFullText()) << "the build used the sample although the full text exists";
  EXPECT_EQ(exportTable(kDatabase, "sj").size(), 31100u);
  // The longest verse (105 characters) compares in full: its last four characters match.
  EXPECT_EQ(sequenceNumbers(query(kDatabase, "select * from [sj] where [jingwen] like '%声吗？」%'")),
            std::vector<int>{9706});
}

TEST(Database, WordTableHoldsFullPinyinAndInitialsOfEveryBook) {
  std::vector<Record> rows = exportTable(kDatabase, "word");
  std::vector<Record> expected = splitLines(readText(kPinyin));
  EXPECT_EQ(rows, expected);
  for (const char* book : kBooks) {
    std::vector<std::string> keys;
    for (const Record& r : rows)
      if (r.at(1) == book) keys.push_back(r.at(0));
    ASSERT_EQ(keys.size(), 2u) << book;
    const std::string& full = keys[0];
    const std::string& initials = keys[1];
    EXPECT_EQ(initials.size(), characters(book)) << book;
    EXPECT_GT(full.size(), initials.size()) << book;
    EXPECT_EQ(full[0], initials[0]) << book;
    EXPECT_EQ(full.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << book;
  }
  EXPECT_EQ(rows.size(), 132u);
}

TEST(Database, AnswersTheReadersStatements) {
  std::vector<Record> verses = readTsv(kSourceText);
  std::vector<Record> john = query(kDatabase, "select * from [sj] where [juan]= '约翰福音' and [zhang]=3 and [jie]=16");
  ASSERT_EQ(john.size(), 1u);
  int number = std::stoi(john[0][0]);
  ASSERT_GE(number, 1);
  EXPECT_EQ(Record(john[0].begin() + 1, john[0].end()), verses.at(number - 1));
  if (builtFromFullText()) {
    EXPECT_EQ(number, 26135);
  }

  std::vector<Record> keys = query(kDatabase, "select * from [word] where [pingyin] like 'yh%'");
  std::set<std::string> books;
  for (const Record& r : keys) books.insert(r.at(1));
  EXPECT_TRUE(books.count("约翰福音"));
  EXPECT_EQ(query(kDatabase, "select * from [word] where [pingyin] like 'csj%'"), (std::vector<Record>{{"csj", "创世记"}}));
}

TEST(Database, LikeFindsWhatASubstringSearchFindsPlusByteStraddlingMatches) {
  std::vector<Record> verses = readTsv(kSourceText);
  // With GBK a LIKE compares bytes, so a pattern may also match across two
  // characters. These are the verses of the full text where that happens.
  struct Case {
    const char* word;
    std::set<int> straddlingInFullText;
  };
  for (const Case& c : {Case{"爱", {}}, Case{"王", {27001}}}) {
    SCOPED_TRACE(c.word);
    std::set<int> straddling;
    std::vector<int> expected = byteMatches(verses, c.word, straddling);
    EXPECT_EQ(straddling, builtFromFullText() ? c.straddlingInFullText : std::set<int>{});
    std::vector<int> found =
        sequenceNumbers(query(kDatabase, std::string("select * from [sj] where [jingwen] like '%") + c.word + "%'"));
    EXPECT_EQ(found, expected);
    EXPECT_FALSE(found.empty());
  }
}
