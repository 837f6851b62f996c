// Running lumenpath.exe itself with TMP and TEMP pointing at a given folder:
// its message boxes are read and answered, its main window closed once it is
// ready, its exit code collected.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace readertest {

struct ReaderRun {
  unsigned long exitCode = 0;
  bool timedOut = false;
  // The main window's caption when it was seen (GBK); empty when it never was.
  std::string caption;
  std::vector<std::pair<std::string, std::string>> boxes;  // title, text (GBK)
};

// What the test does once the main window is visible.
enum class WhenReady { Wait, Close, ChooseExit };

ReaderRun runReader(const std::string& tempFolder, WhenReady whenReady, unsigned timeoutMs = 60000);

}  // namespace readertest
