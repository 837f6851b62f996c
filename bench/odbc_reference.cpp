// The reference for the reader's lookups and searches: runs each case's
// statements straight through ODBC against the database file, timing query
// and fetch only, then fills bare controls with the rows, timing the fill.
//   bench_odbc_reference <database> <cases file> <results file> [repetitions]
#include <cstdio>
#include <cstdlib>

#include "bench/bench_cases.h"
#include "bench/reference_fill.h"
#include "bench/reference_query.h"

namespace {

using namespace bench;

// The rows of every statement, in order, that also hold every further word.
FetchedRows runCase(ReferenceConnection& db, const BenchCase& c) {
  FetchedRows all;
  for (const std::string& statement : c.statements) {
    FetchedRows part = db.run(statement);
    if (!part.ok) return part;
    const int text = part.column("jingwen");
    all.columns = part.columns;
    for (auto& row : part.rows) {
      bool holdsAll = true;
      for (const std::string& w : c.furtherWords) holdsAll = holdsAll && text >= 0 && holdsWord(row[text], w);
      if (holdsAll) all.rows.push_back(std::move(row));
    }
  }
  all.ok = true;
  return all;
}

double fill(ReferenceWindow& window, FillKind kind, const FetchedRows& rows) {
  switch (kind) {
    case FillKind::Report: return window.fillReport(rows);
    case FillKind::Books: return window.fillBooks(rows);
    case FillKind::Lines: return window.fillLines(rows);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_odbc_reference <database> <cases file> <results file> [repetitions]\n");
    return 2;
  }
  const int repetitions = argc > 4 ? std::atoi(argv[4]) : 5;
  ReferenceConnection db;
  if (!db.open(argv[1])) return 1;
  ReferenceWindow window;
  if (!window.create()) return 1;
  // The cases run in turn, as the reader runs them, so each fill clears
  // the rows the case before it left in the list.
  const std::vector<BenchCase> cases = readCases(argv[2]);
  std::vector<ReferenceResult> results(cases.size());
  std::vector<std::vector<double>> query(cases.size()), filled(cases.size()), total(cases.size());
  std::vector<bool> failed(cases.size(), false);
  for (int i = 0; i < repetitions; ++i) {
    for (size_t k = 0; k < cases.size(); ++k) {
      const BenchCase& c = cases[k];
      if (failed[k]) continue;
      const long long start = nowTicks();
      const FetchedRows rows = runCase(db, c);
      const double queried = millisecondsSince(start);
      if (!rows.ok) {
        std::fprintf(stderr, "%s: the statement failed\n", c.name.c_str());
        failed[k] = true;
        continue;
      }
      results[k].rows = static_cast<long>(rows.rows.size());
      const double f = fill(window, c.fill, rows);
      query[k].push_back(queried);
      filled[k].push_back(f);
      // The result box is filled from rows already listed: no query in its time.
      total[k].push_back(c.fill == FillKind::Lines ? f : queried + f);
    }
  }
  for (size_t k = 0; k < cases.size(); ++k) {
    ReferenceResult& result = results[k];
    result.name = cases[k].name;
    result.query = spreadOf(query[k]);
    result.fill = spreadOf(filled[k]);
    result.total = spreadOf(total[k]);
    std::printf("%-16s rows %6ld  query+fetch %8s ms  fill %8s ms\n", result.name.c_str(), result.rows,
                shown(result.query.median).c_str(), shown(result.fill.median).c_str());
  }
  return writeResults(argv[3], results) ? 0 : 1;
}
