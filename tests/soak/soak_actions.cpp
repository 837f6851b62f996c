#include "tests/soak/soak_actions.h"

#include <commctrl.h>

#include <vector>

#include "tests/reader_driving/reader_controls.h"
#include "tests/reader_driving/reader_windows.h"

namespace soak {
namespace {

using namespace drive;

template <typename T, size_t N>
const T& pick(std::mt19937& random, const T (&choices)[N]) {
  return choices[random() % N];
}

const int kBoxes[] = {kBookBox, kChapterBox, kVerseBox, kLastChapterBox, kLastVerseBox, kSearchBox};
const int kButtons[] = {kSearchButton, kFontButton, kColourPicker, kShowAllButton, kCopyButton, kClearButton};
const int kMenuItems[] = {kSaveSettingsItem, kRestoreDefaultsItem, kFullScreenItem, kNormalModeItem,
                          kReadingWindowItem, kRightsItem, kUpdatesItem};

// Book names, pinyin starts, and text no book has.
const wchar_t* const kBookTexts[] = {L"创世记", L"约翰福音", L"诗篇", L"启示录", L"犹大书", L"y", L"yh", L"s",
                                      L"z",     L"",         L"  ",   L"约",     L"'",      L"%", L"abc"};
// Numbers in range and out of it, and text that is no number.
const wchar_t* const kNumberTexts[] = {L"1", L"3", L"16", L"119", L"150", L"0", L"-1", L"9999", L"", L"x", L"2"};
// Words found often, rarely and never; several words; quotes and wildcards.
const wchar_t* const kSearchTexts[] = {L"神",   L"爱",   L"爱 神", L"耶稣 基督", L"平安", L"摩西",   L"'",
                                       L"%",    L"_",    L"  ",    L"",         L"光 爱 神", L"无此词语", L"a"};

std::wstring textFor(int box, std::mt19937& random) {
  if (box == kBookBox) return pick(random, kBookTexts);
  if (box == kSearchBox) return pick(random, kSearchTexts);
  return pick(random, kNumberTexts);
}

std::string number(long n) { return std::to_string(n); }

void doubleClickAt(HWND control, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(control, WM_LBUTTONUP, 0, at);
  PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(control, WM_LBUTTONUP, 0, at);
}

// A point on one of the first rows of a list (rows are about 16 pixels).
POINT rowPoint(std::mt19937& random, int headerHeight) {
  return {static_cast<LONG>(10 + random() % 80), static_cast<LONG>(headerHeight + 8 + (random() % 8) * 16)};
}

}  // namespace

std::string performRandomAction(HWND main, std::mt19937& random) {
  switch (random() % 12) {
    case 0:
    case 1:
    case 2: {
      const int box = pick(random, kBoxes);
      setText(GetDlgItem(main, box), textFor(box, random));
      return "type into control " + number(box);
    }
    case 3:
    case 4: {
      const int box = pick(random, kBoxes);
      pressEnter(GetDlgItem(main, box));
      return "Enter in control " + number(box);
    }
    case 5: {
      const int button = pick(random, kButtons);
      clickButton(main, button);
      return "click control " + number(button);
    }
    case 6: {
      const int item = pick(random, kMenuItems);
      PostMessageW(main, WM_COMMAND, MAKEWPARAM(item, 0), 0);
      return "menu item " + number(item);
    }
    case 7: {
      const POINT p = rowPoint(random, 20);
      doubleClickAt(GetDlgItem(main, kResultList), p.x, p.y);
      return "double click result list at " + number(p.x) + "," + number(p.y);
    }
    case 8: {
      const POINT p = rowPoint(random, 0);
      doubleClickAt(GetDlgItem(main, kBookList), p.x, p.y);
      return "double click book list at " + number(p.x) + "," + number(p.y);
    }
    case 9: {
      const POINT p = rowPoint(random, 20);
      PostMessageW(GetDlgItem(main, kResultList), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
      return "hover result list at " + number(p.x) + "," + number(p.y);
    }
    case 10: {
      const int width = 300 + static_cast<int>(random() % 700), height = 200 + static_cast<int>(random() % 500);
      SetWindowPos(main, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
      return "resize to " + number(width) + "x" + number(height);
    }
    default:
      doubleClickAt(GetDlgItem(main, kResultBox), 20, 20);
      return "double click result box";
  }
}

}  // namespace soak
