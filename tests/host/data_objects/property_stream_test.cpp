#include "runtime/components/property_stream.h"

#include <gtest/gtest.h>

namespace lp {
namespace {

TEST(PropertyStream, WritesLittleEndianAndReadsItBack) {
  PropertyWriter out;
  out.u32(0x11223344u);
  out.u16(0xA1B2);
  out.i32(-2);
  out.text("ab");
  out.bytes({9, 8, 7});
  out.zeroTerminated("xy");
  const std::vector<uint8_t> expected = {0x44, 0x33, 0x22, 0x11, 0xB2, 0xA1, 0xFE, 0xFF, 0xFF,
                                         0xFF, 2,    0,    0,    0,    'a',  'b',  3,    0,
                                         0,    0,    9,    8,    7,    'x',  'y',  0};
  ASSERT_EQ(out.data(), expected);

  PropertyReader in(expected.data(), expected.size());
  EXPECT_EQ(in.u32(), 0x11223344u);
  EXPECT_EQ(in.u16(), 0xA1B2);
  EXPECT_EQ(in.i32(), -2);
  EXPECT_EQ(in.text(), "ab");
  EXPECT_EQ(in.bytes(), (std::vector<uint8_t>{9, 8, 7}));
  EXPECT_EQ(in.zeroTerminated(), "xy");
  EXPECT_TRUE(in.ok());
  EXPECT_TRUE(in.atEnd());
}

TEST(PropertyStream, CountOfZeroOrLessIsEmpty) {
  PropertyWriter out;
  out.i32(0);
  out.i32(-5);
  out.u32(7);
  PropertyReader in(out.data().data(), out.data().size());
  EXPECT_EQ(in.text(), "");
  EXPECT_TRUE(in.bytes().empty());
  EXPECT_EQ(in.u32(), 7u);
  EXPECT_TRUE(in.ok());
}

TEST(PropertyStream, ReadPastTheEndFailsAndStaysFailed) {
  const uint8_t data[] = {1, 2, 3, 4, 5};
  PropertyReader in(data, sizeof data);
  EXPECT_EQ(in.u32(), 0x04030201u);
  EXPECT_EQ(in.u32(), 0u);  // only one byte left
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(in.u8(), 0);  // the byte that is there is no longer handed out
  EXPECT_FALSE(in.ok());
}

TEST(PropertyStream, HostileCountsFailWithoutReading) {
  PropertyWriter out;
  out.u32(0x7FFFFFFF);  // claims 2 GB of text
  out.raw(reinterpret_cast<const uint8_t*>("abc"), 3);
  PropertyReader texts(out.data().data(), out.data().size());
  EXPECT_EQ(texts.text(), "");
  EXPECT_FALSE(texts.ok());
  PropertyReader buffers(out.data().data(), out.data().size());
  EXPECT_TRUE(buffers.bytes().empty());
  EXPECT_FALSE(buffers.ok());
}

TEST(PropertyStream, UnterminatedTextFails) {
  const uint8_t data[] = {'a', 'b'};
  PropertyReader in(data, sizeof data);
  EXPECT_EQ(in.zeroTerminated(), "");
  EXPECT_FALSE(in.ok());
  PropertyReader empty(nullptr, 0);
  empty.zeroTerminated();
  EXPECT_FALSE(empty.ok());
}

TEST(PropertyStream, NullDataReadsAsEmpty) {
  PropertyReader in(nullptr, 100);
  in.u8();
  EXPECT_FALSE(in.ok());
}

}  // namespace
}  // namespace lp
