// Loading a window from its template, and what closing it restores.
#pragma once
#include <windows.h>
#include <cstdint>
#include "runtime/core/window_registry.h"

namespace lp {

// Private messages between the loader and the window component.
constexpr UINT kMsgShowInitial = WM_APP + 0x77;  // show in the window's initial state

// The 19 steps of a load. False when the window cannot be loaded.
bool loadWindow(WindowRecord& window, bool reuse, bool modal, HWND owner);
// Load through the load-window request (library service 2005, LoadWindow):
// after showing, a modal window runs its own message loop until it ends.
// 0 when loaded, -1 when the id is unknown or the load failed.
int32_t loadWindowRequest(uint32_t windowId, HWND owner, bool modal);
// Entry slot 11: raises "载入启动窗口失败" when the start window cannot be loaded.
void loadStartWindow(uint32_t windowId);

// A window or one of its components was destroyed (library service 2000).
void unitDestroyed(uint32_t windowId, uint32_t unitId);

// Whether the window being created belongs to a modal load.
bool creatingModalWindow();

// Gives the windows disabled for a modal window their enabled state back.
void restoreWindowsDisabledBy(uint32_t windowId);

// The cursor a cursor block describes, or null.
HCURSOR cursorFromBlock(const std::vector<uint8_t>& block);

}  // namespace lp
