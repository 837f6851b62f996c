// The adjuster: an up-down control beside a single-line edit box, kept next
// to it through moves, z-order, showing and enabling. A click either steps
// the number in the box (automatic) or raises event 1 (manual).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "runtime/components/component_events.h"
#include "runtime/components/component_messages.h"
#include "runtime/components/edit_box_input.h"
#include "runtime/components/edit_box_object.h"
#include "runtime/components/object_link.h"

namespace lp {
namespace {

constexpr int kAdjusterWidth = 18;
constexpr uint32_t kAdjusterIdOffset = 4;

bool wantsStaticEdge(int32_t border) { return border == 0 || border == 1 || border == 3; }

void click(EditBoxObject& box, bool up) {
  if (!IsWindowEnabled(box.window) || !IsWindowVisible(box.window)) return;
  if (!box.automaticAdjuster) {
    const uint32_t direction = up ? 1u : static_cast<uint32_t>(-1);
    raiseEvent(box.windowId, box.unitId, 1, 1, &direction);
    return;
  }
  int32_t lower = 0, upper = 0;
  SendMessageW(box.adjuster, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
  char text[16];
  std::snprintf(text, sizeof text, "%d", adjusterStep(editText(box.window), lower, upper, up));
  SetWindowTextW(box.window, std::wstring(text, text + std::char_traits<char>::length(text)).c_str());
  SendMessageW(box.window, EM_SETSEL, 0, -1);
  SendMessageW(box.window, EM_SCROLLCARET, 0, 0);
  SetFocus(box.window);
}

// The window reflects the up-down's notifications back to the up-down; it
// hands the click on to its edit box.
LRESULT CALLBACK adjusterProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = linkedObject<EditBoxObject>(hwnd);
  if (!box) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NOTIFY + kReflectedOffset) {
    const auto* notice = reinterpret_cast<const NMUPDOWN*>(lParam);
    if (notice && notice->hdr.code == UDN_DELTAPOS) click(*box, notice->iDelta >= 0);
    return 0;  // the up-down's own position change is always allowed
  }
  const WNDPROC original = box->adjusterProcedure;
  if (message == WM_NCDESTROY) {
    // Gone with its parent before the edit box: the box forgets it.
    box->adjuster = nullptr;
    unlinkObject(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  }
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace

void createAdjuster(EditBoxObject& box, uint32_t presetStyle, HWND parent, uint32_t controlId) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
  const DWORD extended = wantsStaticEdge(box.data.border) ? WS_EX_STATICEDGE : 0;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (presetStyle & WS_DISABLED) style |= WS_DISABLED;
  box.adjuster = CreateWindowExW(extended, UPDOWN_CLASSW, nullptr, style, 0, 0, kAdjusterWidth, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<uintptr_t>(controlId + kAdjusterIdOffset)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!box.adjuster) {
    // A plain box then.
    box.data.adjuster = EditBoxData::kNoAdjuster;
    return;
  }
  box.automaticAdjuster = box.data.adjuster == EditBoxData::kAutomaticAdjuster;
  linkObject(box.adjuster, &box);
  box.adjusterProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(box.adjuster, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(adjusterProcedure)));
  setAdjusterRange(box);
  placeAdjuster(box);
}

void setAdjusterRange(EditBoxObject& box) {
  if (!box.adjuster) return;
  const int32_t a = box.data.adjusterMin, b = box.data.adjusterMax;
  // The 32-bit range: the 16-bit one would cut values beyond a short.
  SendMessageW(box.adjuster, UDM_SETRANGE32, static_cast<WPARAM>(a < b ? a : b), static_cast<LPARAM>(a < b ? b : a));
}

void applyAdjusterBorder(EditBoxObject& box) {
  if (!box.adjuster) return;
  LONG_PTR extended = GetWindowLongPtrW(box.adjuster, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_STATICEDGE);
  if (wantsStaticEdge(box.data.border)) extended |= WS_EX_STATICEDGE;
  SetWindowLongPtrW(box.adjuster, GWL_EXSTYLE, extended);
  SetWindowPos(box.adjuster, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void placeAdjuster(EditBoxObject& box) {
  if (!box.adjuster) return;
  HWND parent = GetParent(box.window);
  if (GetParent(box.adjuster) != parent) SetParent(box.adjuster, parent);
  RECT r;
  GetWindowRect(box.window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  MoveWindow(box.adjuster, r.right, r.top, kAdjusterWidth, r.bottom - r.top, TRUE);
}

void followEditBox(EditBoxObject& box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!box.adjuster) return;
  switch (message) {
    case WM_SIZE:
    case WM_MOVE:
      placeAdjuster(box);
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOZORDER))
        SetWindowPos(box.adjuster, box.window, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    }
    case WM_SHOWWINDOW:
      // Showing or hiding the parent carries the adjuster along by itself.
      if (lParam == 0) ShowWindow(box.adjuster, wParam ? SW_SHOWNA : SW_HIDE);
      break;
    case WM_ENABLE:
      EnableWindow(box.adjuster, wParam ? TRUE : FALSE);
      break;
    default:
      break;
  }
}

void destroyAdjuster(EditBoxObject& box) {
  if (box.adjuster && IsWindow(box.adjuster)) DestroyWindow(box.adjuster);
  box.adjuster = nullptr;
}

}  // namespace lp
