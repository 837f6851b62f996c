// The lookups and searches measured in the reader: what is typed into which
// boxes, which control gets Enter, and the statements the reader runs for it
// (built by the reader's own statement code, so the reference runs the same).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "bench/bench_cases.h"

namespace bench {

struct ReaderCase {
  BenchCase bench;
  std::vector<std::pair<int, std::wstring>> typed;  // control id, text
  int enterIn = 0;  // control that gets Enter; 0 for none
};

std::vector<ReaderCase> readerCases();

}  // namespace bench
