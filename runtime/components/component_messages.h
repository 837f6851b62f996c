// Private messages between the runtime, the window and its components.
#pragma once
#include <windows.h>

namespace lp {

constexpr UINT kMsgLayoutBars = 0x8004;          // the window re-lays out its dockable bars
constexpr UINT kMsgTrayCallback = 0x8064;        // the tray icon's callback
constexpr UINT kMsgPendingDestroy = 0x8065;      // carry out a pending destroy
constexpr UINT kMsgDataBindingRefresh = 0x806F;  // the data source named by lParam changed
constexpr UINT kMsgBoundSource = 0x8070;         // which data source is the component bound to
constexpr UINT kMsgAfterCreation = 0x8076;       // all units of the window exist
constexpr UINT kMsgShowInitialState = WM_APP + 0x77;  // the loader shows the window

// A child notification sent back to the child that sent it, at this offset
// from the original message number, so each component handles its own.
constexpr UINT kReflectedOffset = 0x2000;

}  // namespace lp
