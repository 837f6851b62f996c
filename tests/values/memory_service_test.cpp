#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "reported_error.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/value.h"

namespace {

// A constant segment that ends exactly at an inaccessible page, so any read
// past its end faults instead of passing unnoticed.
class ConstantSegment : public ::testing::Test {
 protected:
  void SetUp() override {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    page_ = info.dwPageSize;
    base_ = static_cast<unsigned char*>(
        VirtualAlloc(nullptr, page_ * 2, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(base_, nullptr);
    DWORD old;
    ASSERT_TRUE(VirtualProtect(base_ + page_, page_, PAGE_NOACCESS, &old));
  }
  void TearDown() override {
    lp::clearStaticRanges();
    VirtualFree(base_, 0, MEM_RELEASE);
  }
  // Places bytes at the very end of the accessible page and registers them.
  unsigned char* place(const void* bytes, uint32_t length) {
    unsigned char* start = base_ + page_ - length;
    std::memcpy(start, bytes, length);
    lp::addStaticRange(start, length);
    return start;
  }

  unsigned char* base_ = nullptr;
  DWORD page_ = 0;
};

TEST_F(ConstantSegment, StartIsInsideAndEndIsOutside) {
  unsigned char* c = place("hello", 6);
  EXPECT_TRUE(lp::isStatic(c));
  EXPECT_TRUE(lp::isStatic(c + 5));
  EXPECT_FALSE(lp::isStatic(c - 1));
  EXPECT_FALSE(lp::isStatic(c + 6));
  EXPECT_FALSE(lp::isStatic(nullptr));
}

TEST_F(ConstantSegment, ReleaseIgnoresConstantsAndNull) {
  unsigned char* c = place("hello", 6);
  lp::release(c);
  lp::release(c + 3);  // the middle of a constant
  lp::release(nullptr);
  EXPECT_STREQ(reinterpret_cast<char*>(c), "hello");
  EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr));
}

TEST_F(ConstantSegment, ReallocateOfConstantCopiesOnlyUpToRangeEnd) {
  unsigned char* c = place("hello", 6);
  // 4 bytes ("llo" and the zero) remain before the range ends; reading a
  // fifth would fault on the inaccessible page.
  char* grown = static_cast<char*>(lp::reallocate(c + 2, 100));
  ASSERT_NE(grown, nullptr);
  EXPECT_FALSE(lp::isStatic(grown));
  EXPECT_STREQ(grown, "llo");
  EXPECT_STREQ(reinterpret_cast<char*>(c), "hello");
  grown[50] = 'x';  // the whole new size is usable
  lp::release(grown);

  char* shrunk = static_cast<char*>(lp::reallocate(c, 2));
  EXPECT_EQ(std::memcmp(shrunk, "he", 2), 0);
  lp::release(shrunk);
}

TEST_F(ConstantSegment, MakePrivateCopiesConstantArrayOnly) {
  const int32_t constant[] = {1, 3, 10, 20, 30};  // one dimension of three integers
  void* array = place(constant, sizeof constant);
  void* original = array;
  lp::makePrivate(4, &array);
  ASSERT_NE(array, original);
  EXPECT_FALSE(lp::isStatic(array));
  EXPECT_EQ(std::memcmp(array, constant, sizeof constant), 0);

  void* again = array;
  lp::makePrivate(4, &array);  // already private: left alone
  EXPECT_EQ(array, again);
  lp::release(array);

  void* none = nullptr;
  lp::makePrivate(4, &none);
  EXPECT_EQ(none, nullptr);
}

TEST_F(ConstantSegment, MakePrivateOfDamagedHeaderStaysInsideSegment) {
  const int32_t constant[] = {1, 1000, 7};  // claims 1000 elements, holds one
  void* array = place(constant, sizeof constant);
  lp::makePrivate(4, &array);
  EXPECT_EQ(std::memcmp(array, constant, sizeof constant), 0);
  lp::release(array);
}

TEST(MemoryService, HeapBlocksResizeKeepingContents) {
  char* block = static_cast<char*>(lp::reallocate(nullptr, 4));
  std::memcpy(block, "abc", 4);
  block = static_cast<char*>(lp::reallocate(block, 4000));
  EXPECT_STREQ(block, "abc");
  lp::release(block);
}

TEST(MemoryService, NegativeSizeIsReportedNotWrapped) {
  EXPECT_EQ(lp::tryAllocate(-1), nullptr);
  try {
    lp::allocate(-5);
    FAIL() << "allocate returned";
  } catch (const ReportedError& e) {
    EXPECT_EQ(e.text, "分配 -5 字节内存失败!");
    EXPECT_EQ(e.code, 0);
  }
  void* block = lp::allocate(8);
  EXPECT_THROW(lp::reallocate(block, -1), ReportedError);
  lp::release(block);
}

TEST(RuntimeCopies, CopyTextTerminatesAndGivesNullForEmpty) {
  char* part = lp::copyText("abcdef", 3);
  EXPECT_STREQ(part, "abc");
  lp::release(part);
  char* whole = lp::copyText("中文");
  EXPECT_STREQ(whole, "中文");
  lp::release(whole);
  EXPECT_EQ(lp::copyText("abc", 0), nullptr);
  EXPECT_EQ(lp::copyText("abc", -1), nullptr);
  EXPECT_EQ(lp::copyText(""), nullptr);
  EXPECT_EQ(lp::copyText(nullptr), nullptr);
}

TEST(RuntimeCopies, MakeByteSetWritesHeaderAndBytes) {
  void* set = lp::makeByteSet("a\0b", 3);
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(static_cast<lp::ByteSetHead*>(set)->dimensions, 1);
  EXPECT_EQ(lp::byteSetSize(set), 3);
  EXPECT_EQ(std::memcmp(lp::byteSetData(set), "a\0b", 3), 0);
  lp::release(set);
  EXPECT_EQ(lp::makeByteSet("abc", 0), nullptr);

  void* blank = lp::makeByteSet(nullptr, 2);
  EXPECT_EQ(lp::byteSetData(blank)[0], 0);
  EXPECT_EQ(lp::byteSetData(blank)[1], 0);
  lp::release(blank);
}

}  // namespace
