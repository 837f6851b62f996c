// The procedure that subclasses the list box's LISTBOX window: its reflected
// notifications become events, its reflected colour request gets the list's
// colours, and destruction releases what the component created.
#include "runtime/components/component_events.h"
#include "runtime/components/component_messages.h"
#include "runtime/components/list_box_object.h"

namespace lp {
namespace {

void notification(ListBoxObject& list, WORD code) {
  switch (code) {
    case LBN_SELCHANGE: raiseEvent(list.windowId, list.unitId, 0); break;
    case LBN_DBLCLK: raiseEvent(list.windowId, list.unitId, 1); break;
    case LBN_SETFOCUS: raiseEvent(list.windowId, list.unitId, -7); break;
    case LBN_KILLFOCUS: raiseEvent(list.windowId, list.unitId, -8); break;
    default: break;
  }
}

// User input acts on what the list shows, so a fill in progress is shown
// completely first. Mere mouse movement does not count.
bool isUserInput(UINT message) {
  if (message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST) return true;
  if (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK) return true;
  switch (message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SETFOCUS: case WM_KILLFOCUS:
    case WM_VSCROLL: case WM_HSCROLL:
      return true;
    default:
      return false;
  }
}

LRESULT callDefault(ListBoxObject& list, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(list.classProcedure, list.window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK listBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ListBoxObject* object = listBoxObjectOf(hwnd);
  if (!object) return DefWindowProcW(hwnd, message, wParam, lParam);
  ListBoxObject& list = *object;
  if (list.batch.active && isUserInput(message)) endBatch(list);
  switch (message) {
    case kReflectedOffset + WM_COMMAND:
      notification(list, HIWORD(wParam));
      return 0;
    case kReflectedOffset + WM_CTLCOLORLISTBOX:
      return listColours(list, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      if (list.batch.redrawOff) return paintDuringBatch(list, wParam, lParam);
      break;
    case WM_TIMER:
      if (wParam != kRepaintTimer) break;
      batchTimer(list);
      return 0;
    case kMsgDataBindingRefresh:
    case kMsgBoundSource:
    case kMsgAfterCreation:
      // No component of this system is a data source: nothing to bind to.
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kRepaintTimer);
      releaseBackBrush(list);
      if (list.font) DeleteObject(list.font);
      list.font = nullptr;
      break;
    case WM_NCDESTROY: {
      const LRESULT result = callDefault(list, message, wParam, lParam);
      forgetListBoxObject(list);
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list.classProcedure));
      delete object;
      return result;
    }
    default:
      break;
  }
  return callDefault(list, message, wParam, lParam);
}

}  // namespace lp
