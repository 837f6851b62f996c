#include "bench/start_up.h"

#include "bench/figures.h"
#include "tests/reader_driving/reader_launch.h"
#include "tests/reader_driving/reader_windows.h"

namespace bench {

double timeStartUp(const std::string& program, const std::string& folder) {
  const long long start = nowTicks();
  drive::Started started = drive::startWithTemp(program, folder);
  if (!started.process) return -1;
  HWND main = drive::waitForMainWindow(started.process, started.id, 60000);
  const double ms = main ? millisecondsSince(start) : -1;
  if (main) PostMessageW(main, WM_CLOSE, 0, 0);
  drive::finish(started, 20000);
  return ms;
}

StartUpTimes measureStartUps(int repetitions, const std::string& warmFolder) {
  StartUpTimes times;
  // The first start in the warm folder writes the database there.
  timeStartUp(LP_READER_PATH, warmFolder);
  for (int i = 0; i < repetitions; ++i) {
    const double minimal = timeStartUp(LP_MINIMAL_PATH, warmFolder);
    if (minimal >= 0) times.minimal.push_back(minimal);
    const double sameWindow = timeStartUp(LP_CONTROLS_PATH, warmFolder);
    if (sameWindow >= 0) times.sameWindow.push_back(sameWindow);
    const double warm = timeStartUp(LP_READER_PATH, warmFolder);
    if (warm >= 0) times.warm.push_back(warm);
    const std::string fresh = drive::freshTempFolder("lumenpath-bench-cold");
    const double cold = timeStartUp(LP_READER_PATH, fresh);
    if (cold >= 0) times.cold.push_back(cold);
    drive::removeFolder(fresh);
  }
  return times;
}

}  // namespace bench
