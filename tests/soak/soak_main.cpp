// Starts the reader with its own database in a fresh TEMP folder, performs
// random user actions, and checks that it is still alive, answers messages,
// holds no more GDI/USER objects than early in the run, and
// ends normally when closed.
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
#include "tests/soak/soak_actions.h"
#include "tests/soak/soak_popups.h"

namespace {

// Long enough for the slowest search on a loaded machine; only a hang exceeds it.
constexpr DWORD kSettleLimitMs = 180000;
// Objects a run may hold beyond its early count: a font or brush that the
// last action replaced and that is freed on the next change.
constexpr DWORD kObjectSlack = 4;
// The early count is taken after a tenth of the run, and never before the
// first hundred actions: until every kind of action has come up a few times
// the system is still filling its caches (window DCs, fonts, a dialog
// opened once), about 230 GDI objects growing to 300 over some 50 actions.
constexpr int kFirstCountAfter = 100;
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

  // A run too short for an early count is not checked for growth.
  std::optional<drive::ProcessFigures> early;
  const int earlyAt = actions / 10 > kFirstCountAfter ? actions / 10 : kFirstCountAfter;
  std::optional<drive::ProcessFigures> previous, watched;
  std::string last = "start";
  for (int i = 1; i <= actions; ++i) {
    last = soak::performRandomAction(main, random);
    if (WaitForSingleObject(reader.process, 0) != WAIT_TIMEOUT) return failed("the reader ended", seed, i, last);
    if (!soak::settle(reader.id, main, random, kSettleLimitMs)) return failed("the reader hangs", seed, i, last);
    if (i == earlyAt && i < actions) early = drive::figuresOf(reader.process);
    if (watchFrom > 0 && i >= watchFrom) {
      const drive::ProcessFigures now = drive::figuresOf(reader.process);
      const std::string kinds = watched ? drive::gdiKindChanges(*watched, now) : std::string();
      if (!kinds.empty()) std::printf("action %d (%s): %s\n", i, last.c_str(), kinds.c_str());
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
  const drive::ProcessFigures end = drive::figuresOf(reader.process);
  if (early) {
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, working set %lu KB -> %lu KB\n", early->gdiObjects,
                end.gdiObjects, early->userObjects, end.userObjects,
                static_cast<unsigned long>(early->workingSet / 1024), static_cast<unsigned long>(end.workingSet / 1024));
    std::printf("%s\n", drive::objectSourceLine(end.objectSource));
    const std::string kinds = drive::gdiKindChanges(*early, end);
    if (!kinds.empty()) std::printf("GDI objects by type: %s\n", kinds.c_str());
    if (end.gdiObjects > early->gdiObjects + kObjectSlack) return failed("GDI objects grow", seed, actions, last);
    if (end.userObjects > early->userObjects + kObjectSlack) return failed("USER objects grow", seed, actions, last);
  } else {
    std::printf("%d actions or fewer: object growth not checked\n", kFirstCountAfter);
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
