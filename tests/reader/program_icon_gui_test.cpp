// The reader's windows show the program's icon, in both sizes (this test
// program carries the same icon resource as lumenpath.exe).
#include "icon_shape.h"
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;

int iconWidth(LRESULT handle) { return testsupport::iconShape(reinterpret_cast<HICON>(handle)).width; }

class ProgramIcon : public ReaderTest {};

TEST_F(ProgramIcon, MainWindowShowsBothSizes) {
  HWND main = unitWindow(0);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(iconWidth(SendMessageW(main, WM_GETICON, ICON_BIG, 0)), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(iconWidth(SendMessageW(main, WM_GETICON, ICON_SMALL, 0)), GetSystemMetrics(SM_CXSMICON));
}

}  // namespace
