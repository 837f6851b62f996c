// The statements built from the boxes, character for character, with quotes
// doubled inside literals and number boxes checked.
#include <gtest/gtest.h>

#include "app/number_text.h"
#include "app/statements.h"

namespace {

reader::PassageBoxes boxes() { return {"约翰福音", "3", "16", "4", "2"}; }

TEST(Statements, PassageFormsCharacterForCharacter) {
  const reader::PassageBoxes b = boxes();
  EXPECT_EQ(reader::chapterStatement(b), "select * from [sj] where [juan]= '约翰福音' and [zhang]=3");
  EXPECT_EQ(reader::verseStatement(b), "select * from [sj] where [juan]= '约翰福音' and [zhang]=3 and [jie]=16");
  EXPECT_EQ(reader::chapterRangeStatement(b),
            "select * from [sj] where [juan]= '约翰福音' and [zhang]>=3 and [jie]>=16 and [zhang]<=4");
  EXPECT_EQ(reader::verseRangeOneChapterStatement(b),
            "select * from [sj] where [juan]= '约翰福音' and [zhang]=3 and [jie]>=16 and [jie]<=2");
  EXPECT_EQ(reader::verseRangeFirstPartStatement(b),
            "select * from [sj] where [juan]= '约翰福音' and [zhang]>=3 and [jie]>=16 and [zhang]<4");
  // Two spaces before [zhang] in the last-chapter form.
  EXPECT_EQ(reader::verseRangeLastChapterStatement(b),
            "select * from [sj] where [juan]= '约翰福音' and  [zhang]=4 and [jie]<=2");
}

TEST(Statements, BookGoesInVerbatimExceptQuotes) {
  reader::PassageBoxes b = boxes();
  b.book = " 创世记　";
  EXPECT_EQ(reader::chapterStatement(b), "select * from [sj] where [juan]= ' 创世记　' and [zhang]=3");
  b.book = "x' or '1'='1";
  EXPECT_EQ(reader::chapterStatement(b),
            "select * from [sj] where [juan]= 'x'' or ''1''=''1' and [zhang]=3");
}

TEST(Statements, SearchAndPinyinLiterals) {
  EXPECT_EQ(reader::verseTextStatement("爱 "), "select * from [sj] where [jingwen] like '%爱 %'");
  EXPECT_EQ(reader::verseTextStatement("it's"), "select * from [sj] where [jingwen] like '%it''s%'");
  EXPECT_EQ(reader::pinyinStatement("csj"), "select * from [word] where [pingyin] like 'csj%'");
  EXPECT_EQ(reader::pinyinStatement(""), "select * from [word] where [pingyin] like '%'");
  EXPECT_EQ(reader::pinyinStatement("'"), "select * from [word] where [pingyin] like '''%'");
}

TEST(Statements, QuoteDoublingLeavesTwoByteCharactersAlone) {
  EXPECT_EQ(reader::quotedLiteralBody("''"), "''''");
  // No GBK second byte is a quote, so Chinese text is unchanged.
  EXPECT_EQ(reader::quotedLiteralBody("撒母耳记上"), "撒母耳记上");
  EXPECT_EQ(reader::quotedLiteralBody(""), "");
}

TEST(Statements, NumberBoxesAcceptOnlyOptionalMinusAndDigits) {
  for (const char* good : {"1", "01", "-5", "1190", "-0"}) EXPECT_TRUE(reader::isNumberText(good)) << good;
  for (const char* bad : {"", "-", "--1", "1-", "1 or 1=1", " 1", "1 ", "+1", "1.5", "１", "0x1"})
    EXPECT_FALSE(reader::isNumberText(bad)) << bad;
}

}  // namespace
