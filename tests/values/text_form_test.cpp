#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "runtime/core/date_time.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/text_form.h"

namespace {

lp::ValueRecord word(uint32_t low, uint32_t type) { return {low, 0, type}; }

lp::ValueRecord wide(uint64_t bits, uint32_t type) {
  return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), type};
}

std::string ofFloat(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  return lp::textForm(word(bits, lp::kFloat));
}

std::string ofDouble(double d, uint32_t type = lp::kDouble) {
  uint64_t bits;
  std::memcpy(&bits, &d, 8);
  return lp::textForm(wide(bits, type));
}

std::string ofPointer(const void* p, uint32_t type) {
  lp::ValueRecord r{};
  lp::setRecordPointer(r, p, type);
  return lp::textForm(r);
}

TEST(TextForm, Integers) {
  EXPECT_EQ(lp::textForm(word(0xFFFFFF80u, lp::kByte)), "128");
  EXPECT_EQ(lp::textForm(word(0xFFFFu, lp::kShort)), "-1");
  EXPECT_EQ(lp::textForm(word(0x80000000u, lp::kInt)), "-2147483648");
  EXPECT_EQ(lp::textForm(wide(0x8000000000000000ull, lp::kLong)), "-9223372036854775808");
  EXPECT_EQ(lp::textForm(wide(12345678901ull, lp::kLong)), "12345678901");
}

TEST(TextForm, FloatsRoundToSixDigitsHalfAwayFromZero) {
  EXPECT_EQ(ofFloat(1234567.0f), "1.23457e+06");
  EXPECT_EQ(ofFloat(1.5f), "1.5");
  EXPECT_EQ(ofFloat(0.1f), "0.1");
  EXPECT_EQ(ofFloat(0.0f), "0");
  // Exactly halfway: plain "%.6g" would round to even and give 1.23456e+06.
  EXPECT_EQ(ofFloat(1234565.0f), "1.23457e+06");
  EXPECT_EQ(ofFloat(-1234565.0f), "-1.23457e+06");
  EXPECT_EQ(ofFloat(0.00000125f), "1.25e-06");
  // Just below halfway stays below.
  EXPECT_EQ(ofFloat(1234564.875f), "1.23456e+06");
  EXPECT_EQ(ofFloat(9999995.0f), "1e+07");
  EXPECT_EQ(ofFloat(123456.5f), "123457");
}

TEST(TextForm, Doubles) {
  EXPECT_EQ(ofDouble(0.1), "0.1");
  EXPECT_EQ(ofDouble(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(ofDouble(1e20), "1e+20");
  EXPECT_EQ(ofDouble(-2.5), "-2.5");
  EXPECT_EQ(ofDouble(123456789012345.0), "1.234567890123e+14");
}

TEST(TextForm, Logicals) {
  EXPECT_EQ(lp::textForm(word(1, lp::kLogical)), "真");
  EXPECT_EQ(lp::textForm(word(0xFFFFFFFFu, lp::kLogical)), "真");
  EXPECT_EQ(lp::textForm(word(0, lp::kLogical)), "假");
}

TEST(TextForm, DateTimesShowShortestTimePart) {
  EXPECT_EQ(ofDouble(0.0, lp::kDateTime), "1899年12月30日");
  EXPECT_EQ(ofDouble(0.5, lp::kDateTime), "1899年12月30日12时");
  EXPECT_EQ(ofDouble(lp::makeDateTime({2024, 5, 7, 0, 30, 0}), lp::kDateTime), "2024年5月7日0时30分");
  EXPECT_EQ(ofDouble(lp::makeDateTime({2024, 5, 7, 8, 0, 9}), lp::kDateTime), "2024年5月7日8时0分9秒");
  EXPECT_EQ(ofDouble(5e6, lp::kDateTime), "9999年12月31日");
  EXPECT_EQ(ofDouble(-1e6, lp::kDateTime), "100年1月1日");
}

TEST(TextForm, TextsIncludingFullWidthAndGbkAreKeptAsTheyAre) {
  // Full-width digits stay full-width: only number reading folds them.
  EXPECT_EQ(ofPointer("１２．５　经文", lp::kText), "１２．５　经文");
  EXPECT_EQ(ofPointer(nullptr, lp::kText), "");
}

TEST(TextForm, ByteSetStopsAtFirstZero) {
  const unsigned char set[] = {1, 0, 0, 0, 5, 0, 0, 0, 'a', 'b', 0, 'c', 'd'};
  EXPECT_EQ(ofPointer(set, lp::kByteSet), "ab");
  const unsigned char noZero[] = {1, 0, 0, 0, 2, 0, 0, 0, 0xD6, 0xD0, 'x'};  // "中", then past the end
  EXPECT_EQ(ofPointer(noZero, lp::kByteSet), "中");
  EXPECT_EQ(ofPointer(nullptr, lp::kByteSet), "");
}

TEST(TextForm, NumericArraysGiveTheirBytesOtherArraysNothing) {
  const int32_t shorts[] = {1, 2, 0x00420041, 0x00440043};  // 'A',0,'B',0 ...
  EXPECT_EQ(ofPointer(shorts, lp::kShort | lp::kArrayFlag), "A");
  const int32_t ints[] = {1, 2, 0x64636261, 0x00006665};
  EXPECT_EQ(ofPointer(ints, lp::kInt | lp::kArrayFlag), "abcdef");
  const int32_t bytes[] = {1, 3, 0x7A797877};  // the count limits the bytes
  EXPECT_EQ(ofPointer(bytes, lp::kByte | lp::kArrayFlag), "wxy");
  const int32_t twoDimensions[] = {2, 1, 1, 0x41};
  EXPECT_EQ(ofPointer(twoDimensions, lp::kByte | lp::kArrayFlag), "");
  const int32_t textArray[] = {1, 0};
  EXPECT_EQ(ofPointer(textArray, lp::kText | lp::kArrayFlag), "");
  EXPECT_EQ(ofPointer(nullptr, lp::kInt | lp::kArrayFlag), "");
}

TEST(TextForm, OtherTypesAreEmpty) {
  EXPECT_EQ(lp::textForm(word(0x401000, lp::kSubroutine)), "");
  EXPECT_EQ(lp::textForm(word(5, lp::kNoValue)), "");
  EXPECT_EQ(lp::textForm(word(5, lp::unitType(1, 46))), "");
}

TEST(ToText, GivesAFreshBlockOrNullForEmpty) {
  static const char constant[] = "经文";
  lp::ValueRecord r{};
  lp::setRecordPointer(r, constant, lp::kText);
  char* copy = lp::toText(r);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, constant);
  EXPECT_STREQ(copy, "经文");
  lp::release(copy);
  EXPECT_EQ(lp::toText(word(0, lp::kNoValue)), nullptr);
}

}  // namespace
