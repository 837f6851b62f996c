// lumenpath.exe started as a user starts it: the database written on the
// first start, reused later, replaced when it does not open, and the one
// message and exit code 0 when it cannot be opened at all.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/reader/test_files.h"
#include "tests/reader/reader_process.h"

namespace {

using readertest::freshFolder;
using readertest::readFile;
using readertest::runReader;

const std::string& databaseConstant() {
  static const std::string bytes = readFile(LP_PROGRAM_DATABASE);
  return bytes;
}

FILETIME lastWrite(const std::string& path) {
  FILETIME written = {};
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  return written;
}

void makeOld(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME old = {0x12345678u, 0x01C00000u};
  SetFileTime(file, nullptr, nullptr, &old);
  CloseHandle(file);
}

TEST(ReaderStartup, FirstStartWritesTheDatabaseAndShowsTheCaption) {
  ASSERT_GT(databaseConstant().size(), 0u);
  const std::string folder = freshFolder("first-start");
  readertest::ReaderRun run = runReader(folder, readertest::WhenReady::Close);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_EQ(run.caption, "光路圣经阅读器 1.0");
  EXPECT_TRUE(readFile(folder + "lumenpath.kx") == databaseConstant());
  // Written through a temporary file that is renamed: nothing else is left.
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  int files = 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
  } while (FindNextFileA(find, &data));
  FindClose(find);
  EXPECT_EQ(files, 1);
}

TEST(ReaderStartup, LaterStartReusesTheFile) {
  const std::string folder = freshFolder("later-start");
  const std::string path = folder + "lumenpath.kx";
  readertest::writeFile(path, databaseConstant());
  makeOld(path);
  const FILETIME before = lastWrite(path);
  readertest::ReaderRun run = runReader(folder, readertest::WhenReady::Close);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.boxes.empty());
  const FILETIME after = lastWrite(path);
  EXPECT_EQ(CompareFileTime(&before, &after), 0);
}

TEST(ReaderStartup, DamagedFileIsReplacedAndTheReaderStarts) {
  const std::string folder = freshFolder("damaged");
  readertest::writeFile(folder + "lumenpath.kx", "this is not a database");
  readertest::ReaderRun run = runReader(folder, readertest::WhenReady::Close);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_EQ(run.caption, "光路圣经阅读器 1.0");
  EXPECT_TRUE(readFile(folder + "lumenpath.kx") == databaseConstant());
}

TEST(ReaderStartup, DatabaseThatCannotBeOpenedShowsOneMessageAndEndsWithZero) {
  // A folder where the file should be: it can be neither opened nor replaced.
  const std::string folder = freshFolder("blocked");
  CreateDirectoryA((folder + "lumenpath.kx").c_str(), nullptr);
  readertest::ReaderRun run = runReader(folder, readertest::WhenReady::Wait, 30000);
  RemoveDirectoryA((folder + "lumenpath.kx").c_str());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].first, "错误提示:");
  EXPECT_EQ(run.boxes[0].second, "圣经数据库连接失败,请检测同目录下是否存在数据库!");
  EXPECT_TRUE(run.caption.empty());
}

TEST(ReaderStartup, TemporaryFolderThatCannotBeWrittenShowsTheMessage) {
  // TMP and TEMP name a folder that does not exist: nothing can be written.
  const std::string folder = freshFolder("unwritable") + "missing\\";
  readertest::ReaderRun run = runReader(folder, readertest::WhenReady::Wait, 30000);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].second, "圣经数据库连接失败,请检测同目录下是否存在数据库!");
}

TEST(ReaderStartup, ExitMenuEndsTheProgramWithZero) {
  const std::string folder = freshFolder("exit-menu");
  readertest::writeFile(folder + "lumenpath.kx", databaseConstant());
  readertest::ReaderRun run = runReader(folder, readertest::WhenReady::ChooseExit);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.boxes.empty());
}

}  // namespace
