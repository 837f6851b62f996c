// Start-up to a usable main window: shown and handling messages.
#pragma once
#include <string>
#include <vector>

namespace bench {

// Milliseconds from starting the program with TEMP at `folder` until its
// main window is usable; the program is closed again. -1 when it never was.
double timeStartUp(const std::string& program, const std::string& folder);

struct StartUpTimes {
  std::vector<double> minimal, sameWindow, warm, cold;
};

// The minimal window, the reader's window made in plain Win32, the reader
// with its database already in its TEMP folder (`warmFolder`, written first
// if missing), and the reader in a fresh TEMP folder, in turn,
// `repetitions` times.
StartUpTimes measureStartUps(int repetitions, const std::string& warmFolder);

}  // namespace bench
