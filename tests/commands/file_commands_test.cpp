// WriteToFile, RemoveFile and FileExists in a temporary folder of their own.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "command_calls.h"
#include "runtime/core/command_numbers.h"

namespace {

using test::core;
using test::text;

bool logicalOf(const lp::ValueRecord& r) {
  EXPECT_EQ(r.type, lp::kLogical);
  return r.low != 0;
}

// A byte-set block built in place: {1, n, bytes}.
struct ByteSet {
  explicit ByteSet(const std::string& bytes) : block(8, '\0') {
    block[0] = 1;
    const uint32_t n = static_cast<uint32_t>(bytes.size());
    std::memcpy(&block[4], &n, 4);
    block += bytes;
  }
  lp::ValueRecord record() const {
    lp::ValueRecord r{};
    lp::setRecordPointer(r, block.data(), lp::kByteSet);
    return r;
  }
  std::string block;
};

int filesIn(const std::string& folder) {
  int count = 0;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return count;
}

TEST(WriteToFile, WritesEveryByteSetInOrder) {
  const std::string folder = test::freshFolder("write");
  const std::string path = folder + "out.bin";
  ByteSet first(std::string("ab\0c", 4)), empty(""), second("中文");
  lp::ValueRecord nullSet{};
  lp::setRecordPointer(nullSet, nullptr, lp::kByteSet);
  EXPECT_TRUE(logicalOf(core(lp::kCmdWriteToFile,
                             {text(path.c_str()), first.record(), empty.record(), nullSet, second.record()})));
  EXPECT_EQ(test::readFile(path), std::string("ab\0c", 4) + "中文");
  EXPECT_EQ(filesIn(folder), 1);
}

TEST(WriteToFile, ReplacesAnExistingFileWholeAndLeavesNoTemporary) {
  const std::string folder = test::freshFolder("replace");
  const std::string path = folder + "settings.kx";
  test::writeFile(path, std::string(5000, 'x'));
  ByteSet data("new");
  EXPECT_TRUE(logicalOf(core(lp::kCmdWriteToFile, {text(path.c_str()), data.record()})));
  EXPECT_EQ(test::readFile(path), "new");
  EXPECT_EQ(filesIn(folder), 1);
  // With nothing to write the file becomes empty.
  EXPECT_TRUE(logicalOf(core(lp::kCmdWriteToFile, {text(path.c_str())})));
  EXPECT_EQ(test::readFile(path), "");
}

TEST(WriteToFile, FailsWithoutTouchingTheTargetOrLeavingATemporary) {
  const std::string folder = test::freshFolder("fail");
  ByteSet data("x");
  EXPECT_FALSE(logicalOf(core(lp::kCmdWriteToFile, {text(""), data.record()})));
  EXPECT_FALSE(logicalOf(core(lp::kCmdWriteToFile, {text(nullptr), data.record()})));
  const std::string missingFolder = folder + "no\\such\\file.bin";
  EXPECT_FALSE(logicalOf(core(lp::kCmdWriteToFile, {text(missingFolder.c_str()), data.record()})));
  // A target held open without sharing cannot be replaced: it keeps its bytes.
  const std::string path = folder + "locked.bin";
  test::writeFile(path, "old");
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(logicalOf(core(lp::kCmdWriteToFile, {text(path.c_str()), data.record()})));
  CloseHandle(held);
  EXPECT_EQ(test::readFile(path), "old");
  EXPECT_EQ(filesIn(folder), 1);
  // A folder is no file.
  EXPECT_FALSE(logicalOf(core(lp::kCmdWriteToFile, {text(folder.c_str()), data.record()})));
  EXPECT_EQ(filesIn(folder), 1);
}

TEST(FileCommands, ExistsMatchesFilesFoldersAndPatternsAndRemoveDeletes) {
  const std::string folder = test::freshFolder("exists");
  const std::string path = folder + "中文.txt";
  EXPECT_FALSE(logicalOf(core(lp::kCmdFileExists, {text(path.c_str())})));
  EXPECT_FALSE(logicalOf(core(lp::kCmdRemoveFile, {text(path.c_str())})));
  ByteSet data("1");
  ASSERT_TRUE(logicalOf(core(lp::kCmdWriteToFile, {text(path.c_str()), data.record()})));
  EXPECT_TRUE(logicalOf(core(lp::kCmdFileExists, {text(path.c_str())})));
  EXPECT_TRUE(logicalOf(core(lp::kCmdFileExists, {text((folder + "*.txt").c_str())})));
  const std::string withoutSlash = folder.substr(0, folder.size() - 1);
  EXPECT_TRUE(logicalOf(core(lp::kCmdFileExists, {text(withoutSlash.c_str())})));
  EXPECT_TRUE(logicalOf(core(lp::kCmdRemoveFile, {text(path.c_str())})));
  EXPECT_FALSE(logicalOf(core(lp::kCmdFileExists, {text(path.c_str())})));
  EXPECT_FALSE(logicalOf(core(lp::kCmdFileExists, {text("")})));
}

}  // namespace
