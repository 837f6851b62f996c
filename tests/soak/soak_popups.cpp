#include "tests/soak/soak_popups.h"

#include "tests/reader_driving/reader_windows.h"

namespace soak {
namespace {

bool oneIn(std::mt19937& random, unsigned n) { return random() % n == 0; }

void answerDialog(HWND dialog, std::mt19937& random) {
  // A message box has its text in a static control; it gets OK. The font
  // and colour dialogs get OK or Cancel.
  const bool messageBox = GetDlgItem(dialog, 0xFFFF) != nullptr;
  drive::pressButton(dialog, messageBox || oneIn(random, 2) ? IDOK : IDCANCEL);
}

void closeReadingWindow(HWND window, HWND box, std::mt19937& random) {
  if (oneIn(random, 2)) {
    PostMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  } else {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
}

// The palette drops down from the colour picker: a few arrow keys, then
// Enter (which may open the colour dialog on the custom box) or Escape.
void answerPalette(HWND palette, std::mt19937& random) {
  const WPARAM arrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
  for (unsigned i = random() % 4; i > 0; --i) PostMessageW(palette, WM_KEYDOWN, arrows[random() % 4], 0);
  PostMessageW(palette, WM_KEYDOWN, oneIn(random, 4) ? VK_ESCAPE : VK_RETURN, 0);
}

}  // namespace

int answerPopups(DWORD processId, HWND main, std::mt19937& random) {
  int answered = 0;
  for (HWND w : drive::shownWindows(processId)) {
    if (w == main) continue;
    ++answered;
    if (drive::isDialog(w)) {
      answerDialog(w, random);
    } else if (HWND box = FindWindowExW(w, nullptr, L"Edit", nullptr)) {
      closeReadingWindow(w, box, random);
    } else {
      answerPalette(w, random);
    }
  }
  return answered;
}

bool settle(DWORD processId, HWND main, std::mt19937& random, DWORD limitMs) {
  const DWORD start = GetTickCount();
  int quiet = 0;
  while (GetTickCount() - start < limitMs) {
    const bool answers = drive::answersMessages(main, 5000);
    const int popups = answerPopups(processId, main, random);
    // Two quiet looks in a row: a message box posted by the last handler
    // has had time to show.
    quiet = answers && popups == 0 ? quiet + 1 : 0;
    if (quiet == 2) return true;
    Sleep(popups ? 100 : 20);
  }
  return false;
}

}  // namespace soak
