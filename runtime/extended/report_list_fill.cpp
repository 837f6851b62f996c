// Long fills without a repaint per row: while rows are inserted and cells
// written one after the other, the list's redraw is off; it is shown at most
// every 100 ms and once more when the fill has ended: as soon as the program
// waits for input again (idle), or at the latest at a timer tick without any
// row written since the last. Anything else that changes the list, or asks
// what it shows, ends the batch first, so only the timing differs from a
// row-by-row fill.
#include "runtime/components/library_link.h"
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {

constexpr DWORD kShowInterval = 100;

void whenIdle(uintptr_t list) { flushFill(*reinterpret_cast<ReportListObject*>(list)); }

// Switching redraw off hides the window from painting altogether where the
// control leaves that message to the system: its scroll bars and header then
// need repainting too. A control that handles it itself keeps its frame up
// to date, and repainting that on every show would cost more than the rows.
void hold(ReportListObject& list) {
  SendMessageW(list.window, WM_SETREDRAW, FALSE, 0);
  list.frameHeld = (GetWindowLongPtrW(list.window, GWL_STYLE) & WS_VISIBLE) == 0;
}

void show(ReportListObject& list) {
  SendMessageW(list.window, WM_SETREDRAW, TRUE, 0);
  const UINT frame = list.frameHeld ? RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN : 0;
  RedrawWindow(list.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | frame);
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
    IdleRegistration idle = {list.window, whenIdle, reinterpret_cast<uintptr_t>(&list)};
    callRuntime(kSvcAddIdleHandler, reinterpret_cast<uintptr_t>(&idle));
  }
  hold(list);
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
      hold(list);
    }
  }
}

void flushFill(ReportListObject& list) {
  if (!list.filling) return;
  list.filling = false;
  list.filledSinceTick = false;
  KillTimer(list.window, kFillTimer);
  callRuntime(kSvcRemoveIdleHandler, reinterpret_cast<uintptr_t>(list.window));
  show(list);
}

}  // namespace lp
