#include <gtest/gtest.h>

#include "runtime/core/value.h"

namespace {

TEST(NumericWidth, NumericCodesOnly) {
  EXPECT_EQ(lp::numericWidth(lp::kByte), 1);
  EXPECT_EQ(lp::numericWidth(lp::kShort), 2);
  EXPECT_EQ(lp::numericWidth(lp::kInt), 4);
  EXPECT_EQ(lp::numericWidth(lp::kFloat), 4);
  EXPECT_EQ(lp::numericWidth(lp::kLong), 8);
  EXPECT_EQ(lp::numericWidth(lp::kDouble), 8);
  EXPECT_EQ(lp::numericWidth(lp::kLogical), 0);
  EXPECT_EQ(lp::numericWidth(lp::kText), 0);
  EXPECT_EQ(lp::numericWidth(lp::kInt | lp::kArrayFlag), 0);
}

TEST(ArrayBlocks, NullAndZeroDimensionsAreEmpty) {
  EXPECT_EQ(lp::arrayElementCount(nullptr), 0);
  EXPECT_EQ(lp::arrayElements(static_cast<const void*>(nullptr)), nullptr);
  const int32_t noDimensions[] = {0, 5, 5};  // the sizes after a 0 count are not read
  EXPECT_EQ(lp::arrayElementCount(noDimensions), 0);
  EXPECT_EQ(lp::arrayHeaderSize(noDimensions), 4);
}

TEST(ArrayBlocks, CountIsProductOfSizesAndElementsFollowHeader) {
  const int32_t twoByThree[] = {2, 2, 3, 1, 2, 3, 4, 5, 6};
  EXPECT_EQ(lp::arrayElementCount(twoByThree), 6);
  EXPECT_EQ(lp::arrayHeaderSize(twoByThree), 12);
  EXPECT_EQ(reinterpret_cast<const int32_t*>(lp::arrayElements(twoByThree))[0], 1);
  const int32_t emptyDimension[] = {2, 4, 0};
  EXPECT_EQ(lp::arrayElementCount(emptyDimension), 0);
  const int32_t damaged[] = {1, -3};
  EXPECT_EQ(lp::arrayElementCount(damaged), 0);
}

TEST(ByteSetBlocks, NullIsEmptyAndBlockIsOneDimensionalByteArray) {
  EXPECT_EQ(lp::byteSetSize(nullptr), 0);
  EXPECT_EQ(lp::byteSetData(nullptr), nullptr);
  const int32_t set[] = {1, 3, 0x00636261};
  EXPECT_EQ(lp::byteSetSize(set), 3);
  EXPECT_EQ(lp::byteSetData(set)[2], 'c');
  EXPECT_EQ(lp::arrayElementCount(set), 3);
  EXPECT_EQ(lp::arrayElements(set), lp::byteSetData(set));
}

TEST(RecordPointer, RoundTripsAFullAddress) {
  static const char text[] = "x";
  lp::ValueRecord r{};
  lp::setRecordPointer(r, text, lp::kText);
  EXPECT_EQ(lp::recordPointer(r), text);
  EXPECT_EQ(r.type, lp::kText);
}

}  // namespace
