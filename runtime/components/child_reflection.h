// Reflection of child notifications: a window that hosts components sends
// WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM, WM_DELETEITEM and
// WM_COMPAREITEM back to the child that sent them (at kReflectedOffset), so
// every component handles its own notifications and colours.
#pragma once
#include <windows.h>

namespace lp {

// The child a notification came from, or null when the message is none of
// these or names no child window of parent.
HWND notifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// Sends the message back to its child. True with the child's answer in
// result when it was reflected; a colour request the child leaves at 0
// gets the default brush.
bool reflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace lp
