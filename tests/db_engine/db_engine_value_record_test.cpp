// Field value records as the typed values a command returns.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/core/memory_service.h"
#include "runtime/extended/odbc_field_record.h"

namespace {

lp::FieldValue field(lp::FieldKind kind) {
  lp::FieldValue f;
  std::memset(&f, 0, sizeof f);
  f.kind = kind;
  return f;
}

TEST(FieldValueRecord, NumbersCarryTheirTypeCodes) {
  lp::FieldValue f = field(lp::kFieldShort);
  f.value.shortValue = -3;
  lp::ValueRecord r = lp::fieldValueRecord(f);
  EXPECT_EQ(r.type, lp::kShort);
  EXPECT_EQ(static_cast<int16_t>(r.low), -3);
  f = field(lp::kFieldDateTime);
  f.value.doubleValue = 38751.5;
  r = lp::fieldValueRecord(f);
  EXPECT_EQ(r.type, lp::kDateTime);
  double d;
  uint64_t bits = (static_cast<uint64_t>(r.high) << 32) | r.low;
  std::memcpy(&d, &bits, sizeof d);
  EXPECT_EQ(d, 38751.5);
  f = field(lp::kFieldLogical);
  f.value.logical = 1;
  EXPECT_EQ(lp::fieldValueRecord(f).type, lp::kLogical);
  EXPECT_EQ(lp::fieldValueRecord(f).low, 1u);
}

TEST(FieldValueRecord, TextsAndByteSetsAreNewRuntimeBlocks) {
  char text[] = "Project1";
  lp::FieldValue f = field(lp::kFieldText);
  f.value.text = text;
  f.length = 8;
  lp::ValueRecord r = lp::fieldValueRecord(f);
  EXPECT_EQ(r.type, lp::kText);
  char* copy = static_cast<char*>(lp::recordPointer(r));
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, text);
  EXPECT_STREQ(copy, "Project1");
  lp::release(copy);

  uint8_t bytes[] = {0, 1, 2};
  f = field(lp::kFieldByteSet);
  f.value.bytes = bytes;
  f.length = 3;
  r = lp::fieldValueRecord(f);
  EXPECT_EQ(r.type, lp::kByteSet);
  void* set = lp::recordPointer(r);
  EXPECT_EQ(lp::byteSetSize(set), 3);
  EXPECT_EQ(lp::byteSetData(set)[2], 2);
  lp::release(set);
}

TEST(FieldValueRecord, NothingAndEmptyTextAreTextWithoutData) {
  lp::ValueRecord r = lp::fieldValueRecord(field(lp::kFieldNone));
  EXPECT_EQ(r.type, lp::kText);
  EXPECT_EQ(lp::recordPointer(r), nullptr);
  r = lp::fieldValueRecord(field(lp::kFieldText));
  EXPECT_EQ(lp::recordPointer(r), nullptr);
}

}  // namespace
