#include "tests/reader_driving/process_figures.h"

#include <psapi.h>

#include "tests/reader_driving/gdi_handle_table.h"
#include "tests/reader_driving/user_objects.h"

namespace drive {

ProcessFigures figuresOf(HANDLE process) {
  ProcessFigures figures;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, &counters, sizeof counters)) figures.workingSet = counters.WorkingSetSize;
  figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  if (figures.gdiObjects != 0 || figures.userObjects != 0) {
    figures.objectSource = ObjectSource::System;
    return figures;
  }
  // Some systems answer 0 for every process; there the objects are counted.
  const DWORD id = GetProcessId(process);
  if (const auto kinds = countGdiObjectsByKind(process, id)) {
    for (const auto& [kind, objects] : *kinds) figures.gdiObjects += objects;
    figures.gdiKinds = *kinds;
    figures.userObjects = countUserObjects(id);
    figures.objectSource = ObjectSource::Counted;
  }
  return figures;
}

const char* objectSourceLine(ObjectSource source) {
  switch (source) {
    case ObjectSource::System:
      return "GDI/USER objects: as the system reports them (GetGuiResources)";
    case ObjectSource::Counted:
      return "GDI/USER objects: counted from outside, as the system reports none (GDI: the process's entries in "
             "the GDI handle table, stock objects left out; USER: its windows and their menu bars)";
    case ObjectSource::None:
      break;
  }
  return "GDI/USER objects: not counted (the system reports none and the GDI handle table cannot be read)";
}

DWORD gdiKindCount(const ProcessFigures& figures, unsigned kind) {
  const auto found = figures.gdiKinds.find(kind);
  return found == figures.gdiKinds.end() ? 0 : found->second;
}

std::string gdiKindChanges(const ProcessFigures& before, const ProcessFigures& after) {
  GdiObjectKinds kinds = before.gdiKinds;
  for (const auto& [kind, objects] : after.gdiKinds) kinds[kind];
  std::string changes;
  for (const auto& [kind, unused] : kinds) {
    const DWORD from = gdiKindCount(before, kind), to = gdiKindCount(after, kind);
    if (from == to) continue;
    if (!changes.empty()) changes += ", ";
    changes += gdiKindName(kind) + " " + std::to_string(from) + " -> " + std::to_string(to);
  }
  return changes;
}

}  // namespace drive
