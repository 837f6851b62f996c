// The window component (type 1): the top-level form a window template
// describes, parent of all the window's components.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

#include "runtime/core/component_object.h"

namespace lp {

// The interface provider of the window type.
void* windowInterface(int32_t number);

// The Destroy method: without `now` the window is marked pending and
// destroyed when its message 0x8065 arrives, without raising event 1.
void destroyWindowComponent(ComponentObject* window, bool now);

// The notification-area icon: a null icon removes it. The window takes the
// icon handle and destroys the previous one.
void setWindowTrayIcon(ComponentObject* window, HICON icon, const char* tip);

// The help file offered when none is named: the program's file name with its
// extension replaced by "hlp".
std::wstring programHelpFile();

// Marks the window holding `child` (or the window itself) as having opened
// help from `file`, so that it quits help when destroyed; `opened` false
// clears the mark.
void markHelpOpened(HWND child, const std::wstring& file, bool opened);

}  // namespace lp
