// Starts the reader with its own database in a fresh TEMP folder, performs
// random user actions, and checks that it is still alive, answers messages,
// holds no more GDI/USER objects at the end than the level it settled at in
// the first half of the run, and ends normally when closed.
//   reader_soak [actions (20000)] [seed (new each run)] [watch from action]
// From the watched action on, every action after which the GDI objects of
// some type changed is printed with the change.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "tests/reader_driving/process_figures.h"
#include "tests/reader_driving/reader_launch.h"
#include "tests/reader_driving/reader_windows.h"
#include "tests/soak/object_level.h"
#include "tests/soak/soak_actions.h"
#include "tests/soak/soak_popups.h"

namespace {

// Long enough for the slowest search on a loaded machine; only a hang exceeds it.
constexpr DWORD kSettleLimitMs = 180000;
constexpr int kProgressEvery = 1000;

// The run saves and restores the reader's settings at random: the settings
// file is put back as it was (or removed) when the run ends, so the reader
// started later on this machine looks as it did before.
class SettingsFileKept {
 public:
  SettingsFileKept() {
    char documents[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    path_ = std::string(documents) + "\\lumenpath.ini";
    std::ifstream in(path_, std::ios::binary);
    existed_ = in.good();
    if (existed_) bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  ~SettingsFileKept() {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (existed_) {
      std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes_;
    } else {
      DeleteFileA(path_.c_str());
    }
  }
  SettingsFileKept(const SettingsFileKept&) = delete;
  SettingsFileKept& operator=(const SettingsFileKept&) = delete;

 private:
  std::string path_;
  bool existed_ = false;
  std::string bytes_;
};

// Before the run the pointer passes over the main window's edges and
// corners, as a user's does: the system loads a sizing cursor (three
// bitmaps) the first time a border comes under the pointer, which in the
// middle of a run reads as growth. Then it rests inside the client area,
// where it stays whatever size the window is given (the run resizes it to
// 300 x 200 and more, its top-left corner fixed); the display modes can still
// move the window so that a border comes by later.
void passPointerOverBorders(HWND main) {
  RECT r;
  GetWindowRect(main, &r);
  const LONG midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
  const POINT onBorders[] = {{r.left + 1, midY},       {r.right - 2, midY},        {midX, r.top + 1},
                             {midX, r.bottom - 2},     {r.left + 1, r.top + 1},    {r.right - 2, r.top + 1},
                             {r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}};
  // The move is a message of the reader's queue: time for it to be handled.
  for (const POINT& p : onBorders) {
    SetCursorPos(p.x, p.y);
    Sleep(50);
    drive::answersMessages(main, 5000);
  }
  POINT inside = {150, 100};
  ClientToScreen(main, &inside);
  SetCursorPos(inside.x, inside.y);
  drive::answersMessages(main, 5000);
}

int failed(const char* what, unsigned seed, int action, const std::string& last) {
  std::printf("FAILED: %s (seed %u, action %d: %s)\n", what, seed, action, last.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int actions = argc > 1 ? std::atoi(argv[1]) : 20000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                 : GetTickCount() ^ GetCurrentProcessId();
  const int watchFrom = argc > 3 ? std::atoi(argv[3]) : 0;
  std::printf("reader soak: %d actions, seed %u\n", actions, seed);
  std::fflush(stdout);
  std::mt19937 random(seed);
  const SettingsFileKept settings;
  const std::string folder = drive::freshTempFolder("lumenpath-soak-" + std::to_string(GetCurrentProcessId()));
  drive::Started reader = drive::startWithTemp(LP_READER_PATH, folder);
  HWND main = reader.process ? drive::waitForMainWindow(reader.process, reader.id, 120000) : nullptr;
  if (!main) return failed("the reader did not start", seed, 0, "start");
  passPointerOverBorders(main);

  soak::ObjectLevel level(actions);
  std::optional<drive::ProcessFigures> previous, watched;
  std::string last = "start";
  for (int i = 1; i <= actions; ++i) {
    last = soak::performRandomAction(main, random);
    if (WaitForSingleObject(reader.process, 0) != WAIT_TIMEOUT) return failed("the reader ended", seed, i, last);
    if (!soak::settle(reader.id, main, random, kSettleLimitMs)) return failed("the reader hangs", seed, i, last);
    if (level.readsAfter(i)) level.add(soak::settledReading(reader.process, main));
    if (watchFrom > 0 && i >= watchFrom) {
      const drive::ProcessFigures now = drive::figuresOf(reader.process);
      const std::string kinds = watched ? drive::gdiKindChanges(*watched, now) : std::string();
      if (!kinds.empty()) {
        std::printf("action %d (%s): %s\n", i, last.c_str(), kinds.c_str());
        std::fflush(stdout);
      }
      watched = now;
    }
    if (i % kProgressEvery == 0) {
      // The counts along the way tell a leak (growing with the actions) from
      // a cache that comes and goes.
      const drive::ProcessFigures now = drive::figuresOf(reader.process);
      std::printf("%d actions done: GDI objects %lu, USER objects %lu, working set %lu KB", i, now.gdiObjects,
                  now.userObjects, static_cast<unsigned long>(now.workingSet / 1024));
      const std::string kinds = previous ? drive::gdiKindChanges(*previous, now) : std::string();
      std::printf(kinds.empty() ? "\n" : " (%s)\n", kinds.c_str());
      std::fflush(stdout);
      previous = now;
    }
  }
  if (!drive::answersMessages(main, 30000)) return failed("the reader does not answer", seed, actions, last);
  const drive::ProcessFigures end = soak::settledReading(reader.process, main);
  if (level.known()) {
    if (const char* growth = level.growthAtEnd(end)) return failed(growth, seed, actions, last);
  } else {
    std::printf("too short a run for a settled level: object growth not checked\n");
  }

  PostMessageW(main, WM_CLOSE, 0, 0);
  const DWORD code = drive::finish(reader, 60000);
  drive::removeFolder(folder);
  if (code != 0) {
    // 0xBAD: still running a minute after the close, and ended by the driver.
    const std::string what = "the reader did not end normally when closed (exit code " + std::to_string(code) + ")";
    return failed(what.c_str(), seed, actions, "close");
  }
  std::printf("passed\n");
  return 0;
}
