// Long fills without a repaint per row: while rows are inserted and cells
// written one after the other, the list's redraw is off; it is shown at most
// every 100 ms and once more when the fill has ended (a timer tick without
// any row written since the last). Anything else that reads or changes the
// list ends the batch first, so only the timing differs from a row-by-row
// fill.
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {

constexpr DWORD kShowInterval = 100;

void show(ReportListObject& list) {
  SendMessageW(list.window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  list.lastShown = GetTickCount();
}

}  // namespace

void fillStep(ReportListObject& list) {
  list.filledSinceTick = true;
  if (list.filling) {
    if (GetTickCount() - list.lastShown < kShowInterval) return;
    show(list);
  } else {
    list.filling = true;
    list.lastShown = GetTickCount();
    SetTimer(list.window, kFillTimer, kShowInterval, nullptr);
  }
  SendMessageW(list.window, WM_SETREDRAW, FALSE, 0);
}

void fillTick(ReportListObject& list) {
  if (!list.filling) {
    KillTimer(list.window, kFillTimer);
  } else if (!list.filledSinceTick) {
    flushFill(list);
  } else {
    list.filledSinceTick = false;
    if (GetTickCount() - list.lastShown >= kShowInterval) {
      show(list);
      SendMessageW(list.window, WM_SETREDRAW, FALSE, 0);
    }
  }
}

void flushFill(ReportListObject& list) {
  if (!list.filling) return;
  list.filling = false;
  list.filledSinceTick = false;
  KillTimer(list.window, kFillTimer);
  show(list);
}

}  // namespace lp
