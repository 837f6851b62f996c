// How the process ends: exit codes, the cleanup routine, library
// notifications and the run-time error report, seen from outside.
#include <gtest/gtest.h>

#include <string>

#include "process_harness.h"
#include "tests/reader_driving/reader_launch.h"

namespace {

struct Probe {
  test::ProgramRun run;
  std::string log;
};

Probe runProbe(const std::string& mode) {
  std::string folder = test::freshTempFolder("probe-" + mode);
  std::string log = folder + "log.txt";
  Probe probe;
  probe.run = test::runProgram(PROBE_PATH, mode + " \"" + log + "\"");
  probe.log = test::readFile(log);
  return probe;
}

TEST(ProcessEnd, StartWindowMissingReportsAndSkipsCleanup) {
  Probe p = runProbe("no-templates");
  ASSERT_FALSE(p.run.timedOut);
  EXPECT_EQ(p.run.exitCode, 0xFFFFFFFFul);
  ASSERT_EQ(p.run.boxes.size(), 1u);
  EXPECT_EQ(p.run.boxes[0].first, "错误");
  EXPECT_EQ(p.run.boxes[0].second, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  // Libraries still hear of the shutdown, but the cleanup routine is forgotten.
  EXPECT_EQ(p.log, "notify1\nnotify6\n");
}

TEST(ProcessEnd, ExitServiceRunsShutdownAndCleanupOnce) {
  Probe p = runProbe("exit-service");
  ASSERT_FALSE(p.run.timedOut);
  EXPECT_EQ(p.run.exitCode, 7u);
  EXPECT_TRUE(p.run.boxes.empty());
  EXPECT_EQ(p.log, "notify1\ncleanup\nnotify6\n");
}

TEST(ProcessEnd, ExitFromAnotherThreadEndsOnTheGuiThread) {
  Probe p = runProbe("exit-thread");
  ASSERT_FALSE(p.run.timedOut);
  EXPECT_EQ(p.run.exitCode, 5u);
  EXPECT_EQ(p.log, "notify1\ncleanup\nnotify6\n");
}

TEST(ProcessEnd, ReportByCodeShowsCodeLineAndText) {
  Probe p = runProbe("error-code");
  EXPECT_EQ(p.run.exitCode, 0xFFFFFFFFul);
  ASSERT_EQ(p.run.boxes.size(), 1u);
  EXPECT_EQ(p.run.boxes[0].second,
            "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n");
  EXPECT_EQ(p.log, "notify1\nnotify6\n");
}

TEST(ProcessEnd, AllocationFailureShowsSizeWithoutCodeLine) {
  Probe p = runProbe("alloc-fail");
  EXPECT_EQ(p.run.exitCode, 0xFFFFFFFFul);
  ASSERT_EQ(p.run.boxes.size(), 1u);
  EXPECT_EQ(p.run.boxes[0].second, "运行时出错!\r\n\r\n错误信息：分配 -5 字节内存失败!\r\n");
}

TEST(ProcessEnd, RunWithoutWindowsReturnsAndEndsWithZero) {
  Probe p = runProbe("working-directory");
  EXPECT_EQ(p.run.exitCode, 0u);
  EXPECT_TRUE(p.run.boxes.empty());
  // Started from another folder, the program works in its own folder.
  std::string probeFolder = drive::windowsPath(PROBE_PATH);
  probeFolder = probeFolder.substr(0, probeFolder.find_last_of('\\'));
  EXPECT_EQ(p.log, "notify1\n" + probeFolder + "\nentry returns\ncleanup\nnotify6\n");
}

}  // namespace

namespace {

std::string reportText(const std::string& message) {
  return "运行时出错!\r\n\r\n错误信息：" + message + "\r\n";
}

TEST(RuntimeReports, DllCommandsResolveOrReportWhatIsMissing) {
  Probe ok = runProbe("dll-call");
  EXPECT_EQ(ok.run.exitCode, 0u);
  EXPECT_NE(ok.log.find("dll ok"), std::string::npos);

  Probe file = runProbe("dll-missing-file");
  EXPECT_EQ(file.run.exitCode, 0xFFFFFFFFul);
  ASSERT_EQ(file.run.boxes.size(), 1u);
  EXPECT_EQ(file.run.boxes[0].second, reportText("无法找到指定DLL库文件“nosuch.dll”中的输出命令“Nothing”"));

  Probe exported = runProbe("dll-missing-export");
  ASSERT_EQ(exported.run.boxes.size(), 1u);
  EXPECT_EQ(exported.run.boxes[0].second, reportText("无法找到指定DLL库文件中的输出命令“NoSuchExport”"));
}

TEST(RuntimeReports, MissingComponentsAndWindowsEndTheProgram) {
  Probe component = runProbe("missing-component");
  EXPECT_EQ(component.run.exitCode, 0xFFFFFFFFul);
  ASSERT_EQ(component.run.boxes.size(), 1u);
  EXPECT_EQ(component.run.boxes[0].second, reportText("指定窗口或窗口组件不存在或尚未载入"));

  Probe window = runProbe("missing-window-property");
  ASSERT_EQ(window.run.boxes.size(), 1u);
  EXPECT_EQ(window.run.boxes[0].second, reportText("未载入欲访问窗口组件所在的窗口"));
}

}  // namespace
