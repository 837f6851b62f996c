// A component's own window class, registered once per program.
#pragma once
#include <windows.h>

namespace lp {

// Registers the class (arrow cursor, the given style, procedure and
// background) unless the program already has it; false when it cannot.
bool ensureWindowClass(const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background);

}  // namespace lp
