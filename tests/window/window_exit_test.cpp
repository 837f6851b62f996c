// The end of a program with its last window, seen from outside.
#include <gtest/gtest.h>

#include <string>

#include "../process/process_harness.h"

namespace {

std::string runProbe(const std::string& mode, unsigned long* exitCode) {
  const std::string folder = test::freshTempFolder("window_" + mode);
  const std::string log = folder + "probe.log";
  test::ProgramRun run = test::runProgram(WINDOW_PROBE_PATH, mode + " \"" + log + "\"");
  EXPECT_FALSE(run.timedOut);
  EXPECT_TRUE(run.boxes.empty());
  *exitCode = run.exitCode;
  return test::readFile(log);
}

TEST(WindowExit, ClosingTheLastWindowEndsTheLoopAndRunsTheCleanupOnce) {
  unsigned long code = 99;
  EXPECT_EQ(runProbe("close", &code), "event 1\nevent 2\nloop ended\ncleanup\n");
  EXPECT_EQ(code, 0u);
}

TEST(WindowExit, DestroyingTheLastWindowEndsTheLoopWithoutTheCloseEvent) {
  unsigned long code = 99;
  EXPECT_EQ(runProbe("destroy", &code), "event 2\nloop ended\ncleanup\n");
  EXPECT_EQ(code, 0u);
}

}  // namespace
