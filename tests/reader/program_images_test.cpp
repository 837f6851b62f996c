// The icon and cursors lumenpath.exe carries (the window that shows them is
// checked in process, by the GUI tests: the system cannot ask a window of
// another process for its icon under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "icon_shape.h"
#include "tests/reader_driving/reader_launch.h"

namespace {

using namespace drive;
using testsupport::iconShape;

class ProgramImages : public ::testing::Test {
 protected:
  void SetUp() override {
    program = LoadLibraryExA(windowsPath(LP_READER_PATH).c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
  }
  void TearDown() override {
    if (program) FreeLibrary(program);
  }
  HMODULE program = nullptr;
};

TEST_F(ProgramImages, TheIconComesInThreeSizes) {
  HRSRC group = FindResourceA(program, "DEFAULT_ICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
  ASSERT_NE(directory, nullptr);
  const int count = directory[4] | directory[5] << 8;
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) widths.push_back(directory[6 + i * 14] ? directory[6 + i * 14] : 256);
  EXPECT_EQ(widths, (std::vector<int>{16, 32, 48}));
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(LoadImageA(program, "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
    EXPECT_EQ(iconShape(icon).width, size);
    if (icon) DestroyIcon(icon);
  }
}

TEST_F(ProgramImages, BothHandCursorsPointWithTheFingerTip) {
  for (WORD id : {1032, 2008}) {
    HCURSOR hand = static_cast<HCURSOR>(LoadImageA(program, MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    ASSERT_NE(hand, nullptr) << id;
    const testsupport::IconShape shape = iconShape(hand);
    EXPECT_EQ(shape.hotspotX, 5u) << id;
    EXPECT_EQ(shape.hotspotY, 0u) << id;
    DestroyCursor(hand);
  }
}

}  // namespace
