// The reader's working set and GDI/USER objects over a session: after start,
// after the first search, and after many more lookups and searches.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "bench/reader_cases.h"
#include "tests/reader_driving/process_figures.h"

namespace bench {

struct MemoryFigures {
  drive::ProcessFigures afterStart, afterFirstSearch, afterMixed;
  int mixedDone = 0;  // actions that completed
};

// `expected` gives each case's row count by name. The first search is the
// case named "search shen"; the mixed actions cycle through the other cases
// that fill the result or book list.
MemoryFigures measureMemory(HWND main, HANDLE process, const std::vector<ReaderCase>& cases,
                            const std::map<std::string, long>& expected, int mixedActions);

}  // namespace bench
