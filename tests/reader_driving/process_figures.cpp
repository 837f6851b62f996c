#include "tests/reader_driving/process_figures.h"

#include <psapi.h>

namespace drive {

ProcessFigures figuresOf(HANDLE process) {
  ProcessFigures figures;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, &counters, sizeof counters)) figures.workingSet = counters.WorkingSetSize;
  figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  return figures;
}

}  // namespace drive
