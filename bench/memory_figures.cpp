#include "bench/memory_figures.h"

#include "bench/end_to_end.h"

namespace bench {

MemoryFigures measureMemory(HWND main, HANDLE process, const std::vector<ReaderCase>& cases,
                            const std::map<std::string, long>& expected, int mixedActions) {
  MemoryFigures figures;
  figures.afterStart = drive::figuresOf(process);
  std::vector<const ReaderCase*> mixed;
  for (const ReaderCase& c : cases) {
    if (c.bench.name == "search shen") performCase(main, c, expected.at(c.bench.name));
    if (c.bench.fill != FillKind::Lines) mixed.push_back(&c);
  }
  figures.afterFirstSearch = drive::figuresOf(process);
  // In list order consecutive cases never leave the same number of rows.
  for (int i = 0; i < mixedActions && !mixed.empty(); ++i) {
    const ReaderCase& c = *mixed[static_cast<size_t>(i) % mixed.size()];
    if (performCase(main, c, expected.at(c.bench.name)) >= 0) ++figures.mixedDone;
  }
  figures.afterMixed = drive::figuresOf(process);
  return figures;
}

}  // namespace bench
