#include "bench/end_to_end.h"

#include <commctrl.h>

#include "bench/figures.h"
#include "tests/reader_driving/reader_controls.h"
#include "tests/reader_driving/reader_windows.h"

namespace bench {
namespace {

using namespace drive;

constexpr DWORD kGiveUpMs = 120000;
constexpr DWORD kStaysMs = 300;
// Longer than any pause between two appended rows.
constexpr DWORD kSteadyMs = 1000;

// Asking a list for its count leaves its batched redraw alone, so the count
// is asked every 2 ms throughout; a figure is at most that late.
double waitForCount(HWND control, UINT countMessage, long expected, long long start) {
  const DWORD begun = GetTickCount();
  double reached = -1;
  DWORD reachedAt = 0;
  while (GetTickCount() - begun < kGiveUpMs) {
    const long n = static_cast<long>(askNumber(control, countMessage));
    if (n == expected) {
      if (reached < 0) {
        reached = millisecondsSince(start);
        reachedAt = GetTickCount();
      }
      if (GetTickCount() - reachedAt >= kStaysMs) return reached;
      Sleep(50);
      continue;
    }
    reached = -1;
    Sleep(2);
  }
  return -1;
}

// The result box wraps long lines, so its line count says nothing about the
// rows appended: its length is watched until it stops growing, then the line
// breaks in its text are counted.
double waitForSteadyLength(HWND box, long long start) {
  const DWORD begun = GetTickCount();
  long last = 0;
  double changed = -1;
  DWORD changedAt = GetTickCount();
  while (GetTickCount() - begun < kGiveUpMs) {
    const long n = static_cast<long>(askNumber(box, WM_GETTEXTLENGTH));
    if (n != last) {
      last = n;
      changed = millisecondsSince(start);
      changedAt = GetTickCount();
    } else if (n > 0 && GetTickCount() - changedAt >= kSteadyMs) {
      return changed;
    }
    Sleep(n == 0 ? 2 : 25);
  }
  return -1;
}

long lineBreaks(const std::wstring& text) {
  long n = 0;
  for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2)) ++n;
  return n;
}

}  // namespace

double performCase(HWND main, const ReaderCase& c, long expected) {
  if (c.bench.fill == FillKind::Lines) {
    HWND box = GetDlgItem(main, kResultBox);
    // The clear button's handler runs before the message is answered.
    askNumber(main, WM_COMMAND, MAKEWPARAM(kClearButton, BN_CLICKED),
              reinterpret_cast<LPARAM>(GetDlgItem(main, kClearButton)));
    const long long start = nowTicks();
    clickButton(main, kShowAllButton);
    const double ms = waitForSteadyLength(box, start);
    return ms >= 0 && lineBreaks(textOf(box)) == expected ? ms : -1;
  }
  if (c.bench.fill == FillKind::Books) {
    HWND books = GetDlgItem(main, kBookList);
    setText(GetDlgItem(main, kBookBox), L"");
    const long long start = nowTicks();
    for (const auto& typed : c.typed) setText(GetDlgItem(main, typed.first), typed.second);
    return waitForCount(books, LB_GETCOUNT, expected, start);
  }
  HWND list = GetDlgItem(main, kResultList);
  for (const auto& typed : c.typed) setText(GetDlgItem(main, typed.first), typed.second);
  answersMessages(main, 60000);
  const long long start = nowTicks();
  pressEnter(GetDlgItem(main, c.enterIn));
  return waitForCount(list, LVM_GETITEMCOUNT, expected, start);
}

}  // namespace bench
