// GetSpecialFolder from the System Interface Library.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "command_calls.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/library_table.h"

namespace {

std::string folder(int32_t code) {
  return test::takeText(test::call(lp::kSystemInterfaceLibraryInfo, lp::kCmdGetSpecialFolder, {test::integer(code)}));
}

TEST(GetSpecialFolder, TemporaryFolderEndsInExactlyOneBackslash) {
  const std::string temp = folder(11);
  ASSERT_GE(temp.size(), 2u);
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_NE(temp[temp.size() - 2], '\\');
  char expected[MAX_PATH];
  GetTempPathA(MAX_PATH, expected);
  EXPECT_EQ(temp, expected);
}

TEST(GetSpecialFolder, KnownCodesGiveExistingFoldersAndOthersNothing) {
  // Documents, desktop, application data, Windows, system, temporary: these
  // exist on every installation.
  for (int32_t code : {1, 3, 8, 9, 10, 11}) {
    const std::string path = folder(code);
    ASSERT_FALSE(path.empty()) << "code " << code;
    EXPECT_EQ(path.back(), '\\') << "code " << code;
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "code " << code;
  }
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(folder(9), std::string(windows) + "\\");
  EXPECT_EQ(folder(0), "");
  EXPECT_EQ(folder(12), "");
  EXPECT_EQ(folder(-1), "");
}

}  // namespace
