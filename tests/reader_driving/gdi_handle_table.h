// Counting another process's GDI objects from outside, where the system does
// not report them: every process's PEB names the GDI handle table that the
// system keeps, and each live object has an entry there.
#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace drive {

// GDI objects by the type the handle table gives them (a DC, a font...).
typedef std::map<unsigned, DWORD> GdiObjectKinds;

// The process's GDI objects (stock objects left out) by type, or nothing when
// its table cannot be read or has a layout this program does not recognise.
std::optional<GdiObjectKinds> countGdiObjectsByKind(HANDLE process, DWORD processId);
// A type's name for a report, e.g. "font (0x0a)".
std::string gdiKindName(unsigned kind);

}  // namespace drive
