// A component's own window class, registered once per program.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/core/component_object.h"

namespace lp {

// Registers the class (arrow cursor, the given style, procedure and
// background) unless the program already has it; false when it cannot.
bool ensureWindowClass(const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background);

// Where a component's child window goes in its form.
struct ChildPlacement {
  HWND parent;
  uint32_t controlId;
  int32_t left, top, width, height;
};

// Creates the object's child window and links the object to it; false when
// the system refuses (nothing is made or linked then).
bool makeChildWindow(ComponentObject& object, const wchar_t* className, const std::wstring& caption, DWORD style,
                     DWORD extendedStyle, const ChildPlacement& at);

}  // namespace lp
