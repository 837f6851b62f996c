#include <string>

#include <gtest/gtest.h>

#include "runtime/core/gbk.h"

namespace {

TEST(GbkConversion, RoundTripsChineseAndAscii) {
  const std::string gbk = "约翰福音 3:16　神爱世人";
  const std::wstring wide = lp::gbkToWide(gbk);
  EXPECT_EQ(wide, L"约翰福音 3:16　神爱世人");
  EXPECT_EQ(lp::wideToGbk(wide), gbk);
}

TEST(GbkConversion, MapsGbkBytesAndReplacesWhatGbkLacks) {
  EXPECT_EQ(lp::gbkToWide("\xD6\xD0"), L"\u4E2D");
  EXPECT_EQ(lp::wideToGbk(L"\u4E2D"), "\xD6\xD0");
  EXPECT_EQ(lp::wideToGbk(L"\u0E01"), "?");  // Thai has no GBK form
  EXPECT_EQ(lp::wideToGbk(L"\u00E9"), "\xA8\xA6");  // pinyin letters do
  EXPECT_EQ(lp::gbkToWide(""), L"");
  EXPECT_EQ(lp::wideToGbk(L""), "");
}

TEST(GbkStep, TwoByteCharactersAreStepsOfTwo) {
  // 0xDD 0x61 is one character whose second byte is the letter a.
  const std::string bytes = "\xDD" "a" "b";
  const char* text = bytes.c_str();
  EXPECT_TRUE(lp::isLeadByte(0x80));
  EXPECT_FALSE(lp::isLeadByte(0x7F));
  EXPECT_EQ(lp::nextCharacter(text), text + 2);
  EXPECT_EQ(lp::nextCharacter(text + 2), text + 3);
  EXPECT_EQ(lp::nextCharacter(text + 3), text + 3);  // the terminator is not passed
  EXPECT_EQ(lp::characterWidth(text, 3), 2u);
  EXPECT_EQ(lp::characterWidth(text + 2, 1), 1u);
  EXPECT_EQ(lp::characterWidth(text, 0), 0u);
}

TEST(GbkStep, CutOffLeadByteStandsAlone) {
  const char cut[] = "a\xA1";
  EXPECT_EQ(lp::nextCharacter(cut + 1), cut + 2);
  EXPECT_EQ(lp::characterWidth(cut + 1, 1), 1u);
  const char fullWidthSpace[] = "\xA1\xA1" "x";
  EXPECT_EQ(lp::characterWidth(fullWidthSpace, 3), 2u);
}

}  // namespace
