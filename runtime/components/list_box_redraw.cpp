// Batched redraw while the list is being filled item by item: the list
// repaints at most every kRepaintInterval ms, and its timer ends the batch
// once a whole interval passed without a new item.
#include "runtime/components/list_box_object.h"

namespace lp {
namespace {

void setRedraw(ListBoxObject& list, bool on) {
  list.batch.redrawOff = !on;
  SendMessageW(list.window, WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

void markRepainted(ListBoxObject& list) {
  list.batch.dirty = false;
  list.batch.lastRepaint = GetTickCount();
}

void repaint(ListBoxObject& list) {
  setRedraw(list, true);
  InvalidateRect(list.window, nullptr, TRUE);
  UpdateWindow(list.window);
  setRedraw(list, false);
  markRepainted(list);
}

}  // namespace

void beginBatch(ListBoxObject& list) {
  if (list.batch.active) return;
  // A hidden list paints nothing while it is filled.
  if (!IsWindowVisible(list.window)) return;
  if (!SetTimer(list.window, kRepaintTimer, kRepaintInterval, nullptr)) return;
  setRedraw(list, false);
  list.batch.active = true;
  markRepainted(list);
}

void itemAdded(ListBoxObject& list) {
  if (!list.batch.active) return;
  list.batch.dirty = true;
  if (GetTickCount() - list.batch.lastRepaint >= kRepaintInterval) repaint(list);
}

void batchTimer(ListBoxObject& list) {
  if (!list.batch.active) {
    KillTimer(list.window, kRepaintTimer);
  } else if (list.batch.dirty) {
    repaint(list);
  } else {
    endBatch(list);
  }
}

void endBatch(ListBoxObject& list) {
  if (!list.batch.active) return;
  KillTimer(list.window, kRepaintTimer);
  list.batch = RedrawBatch();
  setRedraw(list, true);
  InvalidateRect(list.window, nullptr, TRUE);
}

LRESULT paintDuringBatch(ListBoxObject& list, WPARAM wParam, LPARAM lParam) {
  setRedraw(list, true);
  InvalidateRect(list.window, nullptr, TRUE);
  const LRESULT result = CallWindowProcW(list.classProcedure, list.window, WM_PAINT, wParam, lParam);
  setRedraw(list, false);
  markRepainted(list);
  return result;
}

}  // namespace lp
