// Measures the reader against its references and prints one table:
// start-up (minimal window, warm, cold), every lookup and search end to end
// (beside the ODBC + bare-control reference), and memory and objects.
//   bench_driver [repetitions] [mixed actions]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench/end_to_end.h"
#include "bench/memory_figures.h"
#include "bench/reader_cases.h"
#include "bench/start_up.h"
#include "tests/reader_driving/reader_launch.h"
#include "tests/reader_driving/reader_windows.h"

namespace {

using namespace bench;

bool allMet = true;

void heading() {
  std::printf("%-28s %9s %9s %9s %10s  %-18s %s\n", "figure", "min", "median", "max", "reference", "target", "");
}

void row(const char* figure, const Spread& s, const std::string& reference, const std::string& target, bool met) {
  allMet = allMet && met;
  std::printf("%-28s %9s %9s %9s %10s  %-18s %s\n", figure, shown(s.min, s.measured).c_str(),
              shown(s.median, s.measured).c_str(), shown(s.max, s.measured).c_str(), reference.c_str(),
              target.c_str(), met ? "ok" : "MISSED");
}

std::vector<ReferenceResult> runReference(const std::string& folder, const std::vector<ReaderCase>& cases,
                                          int repetitions) {
  std::vector<BenchCase> benchCases;
  for (const ReaderCase& c : cases) benchCases.push_back(c.bench);
  const std::string casesFile = folder + "cases.txt";
  const std::string resultsFile = folder + "reference.txt";
  writeCases(casesFile, benchCases);
  std::string command = "\"" + drive::windowsPath(LP_REFERENCE_PATH) + "\" \"" + folder + "lumenpath.kx\" \"" +
                        casesFile + "\" \"" + resultsFile + "\" " + std::to_string(repetitions);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return {};
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return readResults(resultsFile);
}

void printMemory(const MemoryFigures& m, int mixedActions) {
  const double mb = 1024.0 * 1024.0;
  std::printf("\nmemory and objects      working set MB   GDI objects   USER objects\n");
  const drive::ProcessFigures* stages[] = {&m.afterStart, &m.afterFirstSearch, &m.afterMixed};
  const char* names[] = {"after start", "after first search", "after mixed actions"};
  for (int i = 0; i < 3; ++i) {
    std::printf("%-22s %14.1f %13lu %14lu\n", names[i], static_cast<double>(stages[i]->workingSet) / mb,
                stages[i]->gdiObjects, stages[i]->userObjects);
  }
  std::printf("(%d of %d mixed lookups and searches completed)\n", m.mixedDone, mixedActions);
  const double growth =
      (static_cast<double>(m.afterMixed.workingSet) - static_cast<double>(m.afterFirstSearch.workingSet)) / mb;
  heading();
  Spread g;
  g.min = g.median = g.max = growth;
  g.measured = m.afterStart.workingSet != 0;
  row("working set growth MB", g, "-", "<= 1.0", g.measured && growth <= 1.0 && m.mixedDone == mixedActions);
  std::printf("%s\n", drive::objectSourceLine(m.afterStart.objectSource));
  if (m.afterStart.objectSource == drive::ObjectSource::None) return;
  const bool stable = m.afterMixed.gdiObjects <= m.afterFirstSearch.gdiObjects &&
                      m.afterMixed.userObjects <= m.afterFirstSearch.userObjects;
  std::printf("GDI/USER objects after the first search: %s\n", stable ? "no growth (ok)" : "GROWING (MISSED)");
  allMet = allMet && stable;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
  const int mixedActions = argc > 2 ? std::atoi(argv[2]) : 200;
  const std::string folder = drive::freshTempFolder("lumenpath-bench-warm");

  std::printf("start-up: %d repetitions\n", repetitions);
  const StartUpTimes startUps = measureStartUps(repetitions, folder);

  const std::vector<ReaderCase> cases = readerCases();
  std::printf("reference: ODBC and bare controls\n");
  std::fflush(stdout);
  std::map<std::string, ReferenceResult> reference;
  for (const ReferenceResult& r : runReference(folder, cases, repetitions)) reference[r.name] = r;
  std::map<std::string, long> expected;
  for (const ReaderCase& c : cases) expected[c.bench.name] = reference.count(c.bench.name) ? reference[c.bench.name].rows : -1;

  drive::Started reader = drive::startWithTemp(LP_READER_PATH, folder);
  HWND main = reader.process ? drive::waitForMainWindow(reader.process, reader.id, 60000) : nullptr;
  if (!main) {
    std::printf("the reader did not start\n");
    return 1;
  }
  std::printf("memory: the first search and %d mixed lookups and searches\n", mixedActions);
  std::fflush(stdout);
  const MemoryFigures memory = measureMemory(main, reader.process, cases, expected, mixedActions);

  std::printf("end to end: %d repetitions of %zu cases\n", repetitions, cases.size());
  std::fflush(stdout);
  std::map<std::string, std::vector<double>> times;
  for (int i = 0; i < repetitions; ++i) {
    for (const ReaderCase& c : cases) {
      const double ms = performCase(main, c, expected[c.bench.name]);
      if (ms >= 0) times[c.bench.name].push_back(ms);
      std::printf("  %-20s %s\n", c.bench.name.c_str(), ms >= 0 ? shown(ms).c_str() : "did not complete");
      std::fflush(stdout);
    }
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  drive::finish(reader, 20000);

  std::printf("\nall times in ms\n");
  heading();
  const Spread minimal = spreadOf(startUps.minimal), warm = spreadOf(startUps.warm), cold = spreadOf(startUps.cold);
  const Spread sameWindow = spreadOf(startUps.sameWindow);
  row("start-up minimal window", minimal, "-", "reference", minimal.measured);
  row("start-up plain Win32 window", sameWindow, "-", "second reference", sameWindow.measured);
  row("start-up warm", warm, shown(minimal.median), "<= 1.5 x ref",
      warm.measured && warm.median <= 1.5 * minimal.median);
  row("start-up cold", cold, shown(warm.median), "<= warm + 200",
      cold.measured && cold.median <= warm.median + 200);
  if (warm.measured && sameWindow.measured) {
    std::printf("%-28s %9s %9s %9s %10s  warm / plain Win32 window: %.2f\n", "", "", "", "", "",
                warm.median / sameWindow.median);
  }
  for (const ReaderCase& c : cases) {
    const ReferenceResult& r = reference[c.bench.name];
    const Spread s = spreadOf(times[c.bench.name]);
    const bool complete = s.measured && static_cast<int>(times[c.bench.name].size()) == repetitions;
    bool met = complete && r.total.measured && s.median <= 1.3 * r.total.median;
    std::string target = "<= 1.3 x ref";
    if (c.bench.name == "search shen") {
      met = met && s.median < 500;
      target += ", < 500";
    }
    row((c.bench.name + " (" + std::to_string(r.rows) + ")").c_str(), s, shown(r.total.median, r.total.measured),
        target, met);
  }
  std::printf("\nreference split (median ms)   query+fetch   control fill\n");
  for (const ReaderCase& c : cases) {
    const ReferenceResult& r = reference[c.bench.name];
    std::printf("%-28s %13s %14s\n", c.bench.name.c_str(), shown(r.query.median, r.query.measured).c_str(),
                shown(r.fill.median, r.fill.measured).c_str());
  }
  printMemory(memory, mixedActions);
  drive::removeFolder(folder);
  std::printf("\n%s\n", allMet ? "every target met" : "some targets missed");
  return 0;
}
