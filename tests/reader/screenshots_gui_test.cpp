// The reader in the states a user sees most, over the program's own
// database, each saved as a picture in the build folder (build/screenshots):
// a lookup, a search with its results shown, the reading window, the font
// dialog and the colour palette. Each state is checked before it is saved.
#include "tests/reader/reader_fixture.h"

#include <windows.h>

#include "tests/reader/modal_answerer.h"
#include "tests/reader/screen_capture.h"

namespace {

using namespace readertest;

class Screenshots : public ReaderTest {
 protected:
  std::string fixture() const override { return LP_PROGRAM_DATABASE; }
  void SetUp() override {
    ReaderTest::SetUp();
    CreateDirectoryA(LP_SCREENSHOT_FOLDER, nullptr);
    SetForegroundWindow(unitWindow(0));
    pump();
  }
  static std::string path(const char* name) { return std::string(LP_SCREENSHOT_FOLDER) + "/" + name + ".png"; }
  static void expectSaved(bool saved, const char* name) {
    EXPECT_TRUE(saved) << name;
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    EXPECT_TRUE(GetFileAttributesExA(path(name).c_str(), GetFileExInfoStandard, &file) && file.nFileSizeLow > 1000)
        << name;
  }
  // The book found by its pinyin and taken from the list with a double click.
  void chooseBook(const char* pinyin) {
    setText(kBookBox, pinyin);
    HWND list = control(kBookList, "ListBox");
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    RECT r = {};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    pump();
  }
  void lookUpAndSearch() {
    chooseBook("yhf");
    ASSERT_EQ(text(kBookBox), "约翰福音");
    setText(kChapterBox, "3");
    pressEnter(kChapterBox);
    ASSERT_FALSE(rows().empty());
    expectSaved(saveScreenshot(unitWindow(0), path("main-lookup")), "main-lookup");
    // The small sample of a build without the full text has no verse with both.
    setText(kSearchBox, LP_FULL_TEXT ? "爱 神" : "爱");
    pressEnter(kSearchBox);
    ASSERT_FALSE(rows().empty());
    click(kShowAllButton);
    ASSERT_FALSE(text(kResultBox).empty());
  }
};

TEST_F(Screenshots, LookupSearchAndResults) {
  lookUpAndSearch();
  expectSaved(saveScreenshot(unitWindow(0), path("main-search")), "main-search");
}

TEST_F(Screenshots, ReadingWindow) {
  lookUpAndSearch();
  bool saved = false, closing = false;
  ThreadTimer watcher([&] {
    HWND box = control(kReadingBox, "Edit", kReadingWindow);
    if (!box || closing || text(kReadingBox, kReadingWindow).empty()) return;
    saved = saveScreenshot(unitWindow(0, kReadingWindow), path("reading-window"));
    closing = true;
    PostMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  });
  chooseMenu(kReadingWindowItem);
  for (int i = 0; i < 50 && unitWindow(0, kReadingWindow); ++i) pump();
  expectSaved(saved, "reading-window");
}

TEST_F(Screenshots, FontDialog) {
  bool saved = false;
  ThreadTimer watcher([&] {
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) CALLBACK -> BOOL {
          char cls[16] = {};
          GetClassNameA(w, cls, sizeof cls);
          if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
          *reinterpret_cast<HWND*>(found) = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || saved) return;
    saved = saveScreenshot(dialog, path("font-dialog"));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  click(kFontButton);
  expectSaved(saved, "font-dialog");
}

TEST_F(Screenshots, ColourPalette) {
  HWND picker = unitWindow(kColourPicker);
  SendMessageW(unitWindow(0), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(picker), BN_CLICKED),
               reinterpret_cast<LPARAM>(picker));
  HWND palette = FindWindowW(L"ColourPickerPalette", nullptr);
  ASSERT_NE(palette, nullptr);
  SendMessageW(palette, WM_KEYDOWN, VK_RIGHT, 0);
  pump();
  // The palette with the part of the window it drops over.
  RECT window, popup, both;
  GetWindowRect(unitWindow(0), &window);
  GetWindowRect(palette, &popup);
  UnionRect(&both, &window, &popup);
  RedrawWindow(palette, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  expectSaved(saveScreenshot(both, path("colour-palette")), "colour-palette");
  SendMessageW(palette, WM_KEYDOWN, VK_ESCAPE, 0);
  pump();
}

}  // namespace
