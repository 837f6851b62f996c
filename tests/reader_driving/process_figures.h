// What a running process holds: its working set and its GDI and USER objects.
#pragma once
#include <windows.h>

#include <cstddef>

namespace drive {

struct ProcessFigures {
  size_t workingSet = 0;  // bytes; 0 when it cannot be read
  DWORD gdiObjects = 0;   // 0 where the system does not count them
  DWORD userObjects = 0;
};

ProcessFigures figuresOf(HANDLE process);

}  // namespace drive
