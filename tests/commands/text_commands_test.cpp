// FindText, ToNumber, RemoveAllSpaces, SplitText and ToText on GBK texts
// (string literals are stored as GBK).
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "command_calls.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/memory_service.h"

namespace {

using test::core;
using test::integer;
using test::logical;
using test::none;
using test::text;

int32_t find(std::vector<lp::ValueRecord> args) {
  lp::ValueRecord r = core(lp::kCmdFindText, std::move(args));
  EXPECT_EQ(r.type, lp::kInt);
  return static_cast<int32_t>(r.low);
}

TEST(FindText, PositionsAreOneBasedAndStartCanBeGiven) {
  EXPECT_EQ(find({text("abc"), text("b")}), 2);
  EXPECT_EQ(find({text("abcabc"), text("bc"), integer(3)}), 5);
  EXPECT_EQ(find({text("abc"), text("b"), integer(-7)}), 2);
  EXPECT_EQ(find({text("abc"), text("b"), integer(4)}), -1);
  EXPECT_EQ(find({text("abc"), text("c"), integer(99)}), -1);
  EXPECT_EQ(find({text("abc"), text("abcd")}), -1);
}

TEST(FindText, IgnoreCaseFoldsAsciiLettersOnly) {
  EXPECT_EQ(find({text("abc"), text("B"), none(), logical(true)}), 2);
  EXPECT_EQ(find({text("abc"), text("B")}), -1);
  EXPECT_EQ(find({text("abc"), text("B"), none(), logical(false)}), -1);
  EXPECT_EQ(find({text("x中文ABC"), text("abc"), integer(1), logical(true)}), 6);
}

TEST(FindText, NeverMatchesInsideATwoByteCharacter) {
  // 丽 is 0xC0 0xF6 and 瓣 is 0xB0 0xEA: "\xF6\xB0" spans two characters.
  EXPECT_EQ(find({text("丽瓣"), text("\xF6\xB0")}), -1);
  // 丄 is 0x81 0x41: its second byte is the letter A.
  const char withA[] = "丄A";
  EXPECT_EQ(find({text(withA), text("A")}), 3);
  EXPECT_EQ(find({text(withA), text("a"), none(), logical(true)}), 3);
  // A start on the second byte goes on from the next character.
  EXPECT_EQ(find({text(withA), text("A"), integer(2)}), 3);
  EXPECT_EQ(find({text("\x81\x41"), text("A"), integer(2)}), -1);
  EXPECT_EQ(find({text("中文"), text("文")}), 3);
}

TEST(FindText, EmptySoughtTextFindsOnlyInANonEmptyPart) {
  EXPECT_EQ(find({text("abc"), text("")}), 1);
  EXPECT_EQ(find({text(""), text("")}), -1);
  EXPECT_EQ(find({text("abc"), text(""), integer(4)}), -1);
  EXPECT_EQ(find({text(nullptr), text("a")}), -1);
}

double number(lp::ValueRecord value) { return test::doubleOf(core(lp::kCmdToNumber, {value})); }

TEST(ToNumber, TextsAcceptFullWidthForms) {
  EXPECT_EQ(number(text("１２．５")), 12.5);
  EXPECT_EQ(number(text("－３")), -3.0);
  EXPECT_EQ(number(text("　 ７")), 7.0);
  EXPECT_EQ(number(text("abc")), 0.0);
  EXPECT_EQ(number(text("")), 0.0);
}

TEST(ToNumber, ReadingStopsAtTheFirstByteThatDoesNotFit) {
  EXPECT_EQ(number(text("  -12.5e2xyz")), -1250.0);
  EXPECT_EQ(number(text("3e")), 3.0);
  EXPECT_EQ(number(text("3e+")), 3.0);
  EXPECT_EQ(number(text(".5")), 0.5);
  EXPECT_EQ(number(text("+.")), 0.0);
  EXPECT_EQ(number(text("0x1A")), 0.0);
  EXPECT_EQ(number(text("inf")), 0.0);
  EXPECT_EQ(number(text("12中")), 12.0);
  // A lead byte without its second byte ends the text.
  EXPECT_EQ(number(text("\xA3\xB1\xA3")), 1.0);
}

TEST(ToNumber, NumbersKeepTheirValueAndOtherTypesGiveZero) {
  EXPECT_EQ(number(integer(-42)), -42.0);
  EXPECT_EQ(number(test::real(0.25)), 0.25);
  EXPECT_EQ(number(logical(true)), 1.0);
  EXPECT_EQ(number({0xFFFFFFFFu, 0, lp::kByte}), 255.0);
  EXPECT_EQ(number({0x80000000u, 0, lp::kSubroutine}), 2147483648.0);
  EXPECT_EQ(number({0, 0x40000000u, lp::kDateTime}), 0.0);
  EXPECT_EQ(number(none()), 0.0);
}

std::string withoutSpaces(const char* value) {
  return test::takeText(core(lp::kCmdRemoveAllSpaces, {text(value)}));
}

TEST(RemoveAllSpaces, DropsHalfAndFullWidthSpacesOnly) {
  EXPECT_EQ(withoutSpaces("　a b　"), "ab");
  EXPECT_EQ(withoutSpaces(" 中 文 "), "中文");
  // 啊“ is 0xB0 0xA1 0xA1 0xB0: the 0xA1 0xA1 in its middle is no space.
  EXPECT_EQ(withoutSpaces("啊“"), "啊“");
  EXPECT_EQ(withoutSpaces("ab\xA1"), "ab");
  EXPECT_EQ(withoutSpaces("   "), "");
  EXPECT_EQ(withoutSpaces(nullptr), "");
}

std::vector<std::string> split(std::vector<lp::ValueRecord> args) {
  return test::takeTextArray(core(lp::kCmdSplitText, std::move(args)));
}

using Pieces = std::vector<std::string>;

TEST(SplitText, EmptyPiecesAndTrailingDelimiter) {
  EXPECT_EQ(split({text("a,,b")}), (Pieces{"a", "", "b"}));
  EXPECT_EQ(split({text("a,b,")}), (Pieces{"a", "b"}));
  EXPECT_EQ(split({text(",a")}), (Pieces{"", "a"}));
  EXPECT_EQ(split({text("a")}), (Pieces{"a"}));
  EXPECT_EQ(split({text("")}), Pieces{});
  EXPECT_EQ(split({text(",")}), (Pieces{""}));
}

TEST(SplitText, MaximumCount) {
  EXPECT_EQ(split({text("a,b,c"), none(), integer(2)}), (Pieces{"a", "b"}));
  EXPECT_EQ(split({text("a,b,c"), none(), integer(3)}), (Pieces{"a", "b", "c"}));
  EXPECT_EQ(split({text("a,b"), none(), integer(1)}), (Pieces{"a"}));
  EXPECT_EQ(split({text("a,b"), none(), integer(0)}), Pieces{});
  EXPECT_EQ(split({text("a,b"), none(), integer(-1)}), Pieces{});
}

TEST(SplitText, DelimitersOfSeveralBytesAndTwoByteCharacters) {
  EXPECT_EQ(split({text("a<>b<>c"), text("<>")}), (Pieces{"a", "b", "c"}));
  EXPECT_EQ(split({text("甲，乙，丙"), text("，")}), (Pieces{"甲", "乙", "丙"}));
  // The full-width space 0xA1 0xA1 is not found across 啊“ (0xB0 0xA1 0xA1 0xB0).
  EXPECT_EQ(split({text("啊“"), text("　")}), (Pieces{"啊“"}));
  EXPECT_EQ(split({text("a,b"), text("")}), (Pieces{"a,b"}));
}

TEST(SplitText, ElementsArePointerSizedTextPointers) {
  lp::ValueRecord r = core(lp::kCmdSplitText, {text("xy,z")});
  void* block = lp::recordPointer(r);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(lp::arrayHeaderSize(block), 8);
  EXPECT_EQ(lp::arrayElementCount(block), 2);
  char* second;
  std::memcpy(&second, lp::arrayElements(block) + sizeof(char*), sizeof second);
  EXPECT_STREQ(second, "z");
  EXPECT_EQ(test::takeTextArray(r), (Pieces{"xy", "z"}));
}

std::string toText(lp::ValueRecord value) { return test::takeText(core(lp::kCmdToText, {value})); }

TEST(ToText, EveryTypeHasItsForm) {
  EXPECT_EQ(toText(logical(true)), "真");
  EXPECT_EQ(toText(logical(false)), "假");
  const float f = 1.5f;
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  EXPECT_EQ(toText({bits, 0, lp::kFloat}), "1.5");
  EXPECT_EQ(toText(test::real(0.1)), "0.1");
  EXPECT_EQ(toText(integer(-5)), "-5");
  EXPECT_EQ(toText({200, 0, lp::kByte}), "200");
  // 2024-03-01 at midnight: no time part.
  lp::ValueRecord midnight = test::real(45352.0);
  midnight.type = lp::kDateTime;
  EXPECT_EQ(toText(midnight), "2024年3月1日");
  EXPECT_EQ(toText(text("中文")), "中文");
  unsigned char set[] = {1, 0, 0, 0, 5, 0, 0, 0, 'a', 'b', 0, 'c', 'd'};
  lp::ValueRecord bytes{};
  lp::setRecordPointer(bytes, set, lp::kByteSet);
  EXPECT_EQ(toText(bytes), "ab");
  EXPECT_EQ(toText({0x1234, 0, lp::kSubroutine}), "");
  EXPECT_EQ(toText(none()), "");
}

}  // namespace
