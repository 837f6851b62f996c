// The cases the driver measures in the reader and the reference runs, as the
// two programs hand them over in files: one case a line, tab-separated.
#pragma once
#include <string>
#include <vector>

#include "bench/figures.h"

namespace bench {

// Where the reader puts the rows: the result list, the book list, or the
// result box (as lines, from rows already listed).
enum class FillKind { Report, Books, Lines };

struct BenchCase {
  std::string name;                       // ASCII
  FillKind fill = FillKind::Report;
  std::vector<std::string> furtherWords;  // rows must also hold these (GBK)
  std::vector<std::string> statements;    // run one after the other (GBK)
};

struct ReferenceResult {
  std::string name;
  long rows = -1;
  Spread query, fill, total;  // milliseconds
};

bool writeCases(const std::string& path, const std::vector<BenchCase>& cases);
std::vector<BenchCase> readCases(const std::string& path);
bool writeResults(const std::string& path, const std::vector<ReferenceResult>& results);
std::vector<ReferenceResult> readResults(const std::string& path);

}  // namespace bench
