// The GDI/USER object counts of another process follow what it makes and
// frees, whether the system reports them or they are counted from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/reader_driving/process_figures.h"
#include "tests/reader_driving/reader_launch.h"

namespace {

// The helper program, driven through its standard input and output.
class ObjectMaker {
 public:
  ObjectMaker() {
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE childIn = nullptr, childOut = nullptr;
    if (!CreatePipe(&childIn, &toChild_, &inherited, 0) || !CreatePipe(&fromChild_, &childOut, &inherited, 0)) return;
    SetHandleInformation(toChild_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromChild_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = childOut;
    std::string command = "\"" + drive::windowsPath(LP_OBJECT_MAKER_PATH) + "\"";
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &info)) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
      id_ = info.dwProcessId;
    }
    CloseHandle(childIn);
    CloseHandle(childOut);
  }
  ~ObjectMaker() {
    CloseHandle(toChild_);  // the helper ends at the end of its input
    if (process_ && WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
    CloseHandle(process_);
    CloseHandle(fromChild_);
  }
  ObjectMaker(const ObjectMaker&) = delete;
  ObjectMaker& operator=(const ObjectMaker&) = delete;

  HANDLE process() const { return process_; }
  DWORD id() const { return id_; }

  // Sends one command; true once the helper answers "ok".
  bool perform(const std::string& command) {
    const std::string line = command + "\n";
    DWORD written = 0;
    if (!WriteFile(toChild_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) return false;
    std::string answer;
    char c = 0;
    DWORD read = 0;
    while (ReadFile(fromChild_, &c, 1, &read, nullptr) && read == 1 && c != '\n') {
      if (c != '\r') answer += c;
    }
    return answer == "ok";
  }

 private:
  HANDLE toChild_ = nullptr, fromChild_ = nullptr, process_ = nullptr;
  DWORD id_ = 0;
};

class ObjectCounts : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(maker.process());
    ASSERT_TRUE(maker.perform("gdi 0"));  // the helper has started and settled
  }
  // The helper's counts, which must be known whichever way they are had.
  drive::ProcessFigures figures() {
    const drive::ProcessFigures figures = drive::figuresOf(maker.process());
    EXPECT_NE(figures.objectSource, drive::ObjectSource::None);
    return figures;
  }
  ObjectMaker maker;
};

TEST_F(ObjectCounts, GdiObjectsRiseWithEachMadeAndFallBackWhenDeleted) {
  const drive::ProcessFigures before = figures();
  ASSERT_TRUE(maker.perform("gdi 40"));
  const drive::ProcessFigures made = figures();
  EXPECT_EQ(made.gdiObjects, before.gdiObjects + 40);
  if (made.objectSource == drive::ObjectSource::Counted) {
    // Ten each of pens, brushes, fonts and bitmaps; pens have the brushes' type.
    auto rise = [&before](unsigned kind, DWORD by) {
      const DWORD from = drive::gdiKindCount(before, kind);
      return drive::gdiKindName(kind) + " " + std::to_string(from) + " -> " + std::to_string(from + by);
    };
    EXPECT_EQ(drive::gdiKindChanges(before, made), rise(0x09, 10) + ", " + rise(0x0a, 10) + ", " + rise(0x10, 20));
  }
  ASSERT_TRUE(maker.perform("free-gdi"));
  EXPECT_EQ(figures().gdiObjects, before.gdiObjects);
  EXPECT_EQ(drive::gdiKindChanges(before, figures()), "");
}

TEST_F(ObjectCounts, UserObjectsFollowWindowsAndMenuBars) {
  const DWORD before = figures().userObjects;
  ASSERT_TRUE(maker.perform("windows 5"));
  EXPECT_EQ(figures().userObjects, before + 5);
  ASSERT_TRUE(maker.perform("menu"));
  ASSERT_TRUE(maker.perform("message-window"));
  EXPECT_EQ(figures().userObjects, before + 7);
  ASSERT_TRUE(maker.perform("free-windows"));
  EXPECT_EQ(figures().userObjects, before);
}

// A process whose memory cannot be read has unknown counts, never zero ones.
TEST_F(ObjectCounts, UnreadableProcessIsNotCountedWhereTheSystemReportsNone) {
  ASSERT_TRUE(maker.perform("gdi 4"));
  HANDLE limited = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, maker.id());
  ASSERT_TRUE(limited);
  const drive::ProcessFigures limitedFigures = drive::figuresOf(limited);
  CloseHandle(limited);
  if (limitedFigures.objectSource == drive::ObjectSource::System) GTEST_SKIP() << "the system reports its counts";
  EXPECT_EQ(limitedFigures.objectSource, drive::ObjectSource::None);
  EXPECT_EQ(limitedFigures.gdiObjects, 0u);
  EXPECT_EQ(limitedFigures.userObjects, 0u);
}

}  // namespace
