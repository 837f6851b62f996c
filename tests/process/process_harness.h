// Starting a test program, answering its message boxes and collecting its
// exit code.
#pragma once
#include <string>
#include <vector>

namespace test {

struct ProgramRun {
  unsigned long exitCode = 0;
  bool timedOut = false;
  // Title and text of each message box the program showed, in order (GBK).
  std::vector<std::pair<std::string, std::string>> boxes;
};

// Runs `program args`, closing every message box it shows with OK after
// reading it. Gives up after timeoutMs.
ProgramRun runProgram(const std::string& program, const std::string& args, unsigned timeoutMs = 20000);

// A fresh empty temporary folder for one test (Windows path, trailing \).
std::string freshTempFolder(const std::string& name);
std::string readFile(const std::string& path);

}  // namespace test
