// Refreshing what lies behind a transparent label, so that no trace of its
// old text remains after a change or a move.
#include <vector>

#include "runtime/extended/transparent_label_object.h"

namespace lp {
namespace {

HWND topLevelOf(HWND window) {
  HWND top = window;
  while ((GetWindowLongPtrW(top, GWL_STYLE) & WS_CHILD) && GetParent(top)) top = GetParent(top);
  return top;
}

// Every visible descendant in z-order, each after its own descendants.
void collectVisible(HWND parent, std::vector<HWND>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    collectVisible(child, out);
    out.push_back(child);
  }
}

}  // namespace

void refreshBehind(HWND label, const RECT& screenArea) {
  HWND top = topLevelOf(label);
  if (top == label) return;
  RECT inTop = screenArea;
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&inTop), 2);
  InvalidateRect(top, &inTop, TRUE);
  UpdateWindow(top);

  std::vector<HWND> windows;
  collectVisible(top, windows);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    RECT theirs, meet;
    GetWindowRect(*it, &theirs);
    if (!IntersectRect(&meet, &theirs, &screenArea)) continue;
    MapWindowPoints(nullptr, *it, reinterpret_cast<POINT*>(&meet), 2);
    RedrawWindow(*it, &meet, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
  }
  InvalidateRect(label, nullptr, FALSE);
}

void refreshBehind(HWND label) {
  RECT area;
  GetClientRect(label, &area);
  MapWindowPoints(label, nullptr, reinterpret_cast<POINT*>(&area), 2);
  refreshBehind(label, area);
}

}  // namespace lp
