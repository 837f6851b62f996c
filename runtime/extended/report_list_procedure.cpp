// The procedure that wraps the list view's own: reflected notifications,
// the check-box clicks and keys, the fill timer, the end of a fill batch
// before anything else reaches the list, and the cleanup when it goes.
#include "runtime/components/component_messages.h"
#include "runtime/components/library_link.h"
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {

bool isListMessage(UINT message) { return message >= LVM_FIRST && message < LVM_FIRST + 0x100; }

// Questions about the rows themselves, answered alike with redraw on or off.
bool readsRowsOnly(UINT message) {
  switch (message) {
    case LVM_GETITEMCOUNT:
    case LVM_GETITEMA:
    case LVM_GETITEMW:
    case LVM_GETITEMTEXTA:
    case LVM_GETITEMTEXTW:
    case LVM_GETITEMSTATE:
    case LVM_GETNEXTITEM:
    case LVM_GETSELECTEDCOUNT:
      return true;
    default:
      return false;
  }
}

bool isInput(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

// Whether what reaches the list must see it as a row-by-row fill would
// have left it: everything but the fill's own writes and the messages that
// neither read nor change it.
bool endsFill(const ReportListObject& list, UINT message) {
  if (isListMessage(message)) return !list.writingRow && !readsRowsOnly(message);
  if (isInput(message)) return true;
  switch (message) {
    case WM_SETFOCUS:
    case WM_WINDOWPOSCHANGED:
    case WM_SETFONT:
    case WM_SHOWWINDOW:
    case WM_VSCROLL:
    case WM_HSCROLL:
      return true;
    default:
      return false;
  }
}

// A click on a state icon, or the space key with check boxes: the control
// changes the state first, so the event comes after it by a posted message.
void watchCheckBoxes(ReportListObject& list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!list.data.checkBoxes) return;
  int32_t row = -1;
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    LVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const int found = static_cast<int>(SendMessageW(list.window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (found >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) row = found;
  } else if (message == WM_KEYDOWN && wParam == VK_SPACE) {
    row = static_cast<int32_t>(SendMessageW(list.window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  }
  if (row >= 0) PostMessageW(list.window, kMsgCheckChanged, static_cast<WPARAM>(row), 0);
}

// A mouse move with hot tracking on: the control's own handling tells of the
// row under the mouse on Windows; where it does not, the row is found here,
// so the event comes once per move either way.
LRESULT mouseMoved(ReportListObject& list, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  list.hotTrackNotified = false;
  const LRESULT result = CallWindowProcW(list.controlProcedure, hwnd, WM_MOUSEMOVE, wParam, lParam);
  ReportListObject* still = reportListOf(hwnd);
  if (still != &list || list.hotTrackNotified) return result;
  LVHITTESTINFO hit = {};
  hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const int row = static_cast<int>(SendMessageW(hwnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  hotTracked(list, row >= 0 && (hit.flags & LVHT_ONITEM) ? row : -1);
  return result;
}

void gone(ReportListObject* list) {
  if (list->filling) callRuntime(kSvcRemoveIdleHandler, reinterpret_cast<uintptr_t>(list->window));
  forgetReportList(list->window);
  SetWindowLongPtrW(list->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list->controlProcedure));
  if (list->headerImages) ImageList_Destroy(list->headerImages);
  if (list->font) DeleteObject(list->font);
  delete list;
}

}  // namespace

LRESULT CALLBACK reportListProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ReportListObject* object = reportListOf(hwnd);
  if (!object) return DefWindowProcW(hwnd, message, wParam, lParam);
  ReportListObject& list = *object;
  if (list.filling && endsFill(list, message)) flushFill(list);
  switch (message) {
    case WM_NOTIFY + kReflectedOffset:
      return reportListNotify(list, reinterpret_cast<const NMHDR*>(lParam));
    case kMsgCheckChanged:
      checkChanged(list, static_cast<int32_t>(wParam));
      return 0;
    case WM_TIMER:
      if (wParam != kFillTimer) break;
      fillTick(list);
      return 0;
    case WM_MOUSEMOVE:
      if (!list.data.hotTrack) break;
      return mouseMoved(list, hwnd, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
      watchCheckBoxes(list, message, wParam, lParam);
      break;
    case kMsgDataBindingRefresh:
    case kMsgBoundSource:
    case kMsgAfterCreation:
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = CallWindowProcW(list.controlProcedure, hwnd, message, wParam, lParam);
      gone(object);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcW(list.controlProcedure, hwnd, message, wParam, lParam);
}

}  // namespace lp
