// Counting another process's GDI objects from outside, where the system does
// not report them: every process's PEB names the GDI handle table that the
// system keeps, and each live object has an entry there.
#pragma once
#include <windows.h>

#include <optional>

namespace drive {

// The process's GDI objects (stock objects left out), or nothing when its
// table cannot be read or has a layout this program does not recognise.
std::optional<DWORD> countGdiObjects(HANDLE process, DWORD processId);

}  // namespace drive
