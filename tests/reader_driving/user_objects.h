// Counting another process's USER objects from outside, where the system
// does not report them: its windows (top-level, child and message-only) and
// the menu bars attached to them. Other menus, cursors, icons, hooks and
// accelerator tables cannot be seen from another process.
#pragma once
#include <windows.h>

namespace drive {

DWORD countUserObjects(DWORD processId);

}  // namespace drive
