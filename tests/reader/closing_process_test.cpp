// lumenpath.exe closed at awkward moments: in the middle of a long fill, with
// a dialog, the palette or the reading window open. It must end by itself
// with exit code 0 each time.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/reader/test_files.h"
#include "tests/reader_driving/reader_controls.h"
#include "tests/reader_driving/reader_launch.h"
#include "tests/reader_driving/reader_windows.h"

namespace {

using namespace drive;

struct Closing {
  const char* name;
  std::function<void(HWND main)> before;  // what the user did just before closing
  DWORD waitBeforeCloseMs;
};

void search(HWND main, const wchar_t* words) {
  setText(GetDlgItem(main, kSearchBox), words);
  pressEnter(GetDlgItem(main, kSearchBox));
}

// Waits until a window of the process other than the main one shows.
bool waitForPopup(DWORD processId, HWND main) {
  for (int i = 0; i < 200; ++i) {
    for (HWND w : shownWindows(processId)) {
      if (w != main) return true;
    }
    Sleep(25);
  }
  return false;
}

DWORD closeAfter(const std::string& folderName, const Closing& how, bool popup) {
  const std::string folder = readertest::freshFolder(folderName);
  readertest::writeFile(folder + "lumenpath.kx", readertest::readFile(LP_PROGRAM_DATABASE));
  Started reader = startWithTemp(LP_READER_PATH, folder);
  HWND main = reader.process ? waitForMainWindow(reader.process, reader.id, 60000) : nullptr;
  if (!main) return 0xDEAD;
  how.before(main);
  if (popup && !waitForPopup(reader.id, main)) return 0xF00D;
  Sleep(how.waitBeforeCloseMs);
  PostMessageW(main, WM_CLOSE, 0, 0);
  return finish(reader, 60000);
}

TEST(ReaderClosing, InTheMiddleOfLongFillsEndsWithZero) {
  const Closing cases[] = {
      {"search", [](HWND main) { search(main, L"神"); }, 0},
      {"search-later", [](HWND main) { search(main, L"神"); }, 150},
      {"several-words", [](HWND main) { search(main, L"爱 神"); }, 50},
      {"chapter",
       [](HWND main) {
         setText(GetDlgItem(main, kBookBox), L"诗篇");
         setText(GetDlgItem(main, kChapterBox), L"119");
         pressEnter(GetDlgItem(main, kChapterBox));
       },
       20},
      {"pinyin",
       [](HWND main) {
         setText(GetDlgItem(main, kBookBox), L"y");
         pressEnter(GetDlgItem(main, kBookBox));
       },
       0},
      {"show-all",
       [](HWND main) {
         search(main, L"神");
         answersMessages(main, 60000);
         Sleep(500);
         clickButton(main, kShowAllButton);
       },
       100},
  };
  for (const Closing& how : cases) {
    EXPECT_EQ(closeAfter(std::string("close-") + how.name, how, false), 0u) << how.name;
  }
}

TEST(ReaderClosing, WithAWindowOfItsOwnOpenEndsWithZero) {
  const Closing cases[] = {
      {"font", [](HWND main) { clickButton(main, kFontButton); }, 100},
      {"palette", [](HWND main) { clickButton(main, kColourPicker); }, 100},
      {"reading", [](HWND main) { PostMessageW(main, WM_COMMAND, kReadingWindowItem, 0); }, 100},
      {"rights", [](HWND main) { PostMessageW(main, WM_COMMAND, kRightsItem, 0); }, 100},
  };
  for (const Closing& how : cases) {
    EXPECT_EQ(closeAfter(std::string("close-") + how.name, how, true), 0u) << how.name;
  }
}

}  // namespace
