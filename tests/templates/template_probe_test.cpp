// Start-up with the test template, whole and cut short, seen from outside.
#include <gtest/gtest.h>

#include "../process/process_harness.h"

namespace {

TEST(TemplateStartUp, WholeTemplateDataStartsWithoutReport) {
  test::ProgramRun run = test::runProgram(WHOLE_PROBE, "");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_TRUE(run.boxes.empty());
}

TEST(TemplateStartUp, TruncatedTemplateDataIsReportedAndEndsWithMinusOne) {
  test::ProgramRun run = test::runProgram(TRUNCATED_PROBE, "");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0xFFFFFFFFul);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].first, "错误");
  EXPECT_EQ(run.boxes[0].second, "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
}

}  // namespace
