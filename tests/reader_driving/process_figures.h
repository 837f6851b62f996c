// What a running process holds: its working set and its GDI and USER objects.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "tests/reader_driving/gdi_handle_table.h"

namespace drive {

// Where the object counts came from.
enum class ObjectSource {
  System,   // the system's own counts (GetGuiResources)
  Counted,  // counted from outside, where the system reports none
  None,     // neither: the counts are 0
};

struct ProcessFigures {
  size_t workingSet = 0;  // bytes; 0 when it cannot be read
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  ObjectSource objectSource = ObjectSource::None;
  GdiObjectKinds gdiKinds;  // by type, where they were counted from outside
};

ProcessFigures figuresOf(HANDLE process);
// One line for a report: where the GDI/USER object counts came from.
const char* objectSourceLine(ObjectSource source);
// The objects of one GDI type in a reading; 0 when none were seen.
DWORD gdiKindCount(const ProcessFigures& figures, unsigned kind);
// The GDI object types whose counts differ between two readings, e.g.
// "font (0x0a) 12 -> 15"; empty when none do or the types are not known.
std::string gdiKindChanges(const ProcessFigures& before, const ProcessFigures& after);

}  // namespace drive
