// The Core Library's commands on windows and components. A window or
// component argument is its identity {window id, unit id, unit type}.
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// Posted by Destroy to a window: the window component destroys itself when it
// arrives (a pending destroy, without the close event).
constexpr UINT kMsgCloseRequest = WM_APP + 0x65;

// (window, owner window?, modal?) -> logical
void cmdLoadWindow(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (window or component, immediately?)
void cmdDestroy(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (component, left?, top?, width?, height?); -1 keeps a width or height
void cmdMove(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace lp
