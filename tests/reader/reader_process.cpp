#include "tests/reader/reader_process.h"

#include <windows.h>

#include "tests/reader/window_text.h"
#include "tests/reader_driving/reader_launch.h"

namespace readertest {
namespace {

struct Search {
  DWORD processId;
  bool dialog;  // a message box, or else the main window
  HWND found;
};

BOOL CALLBACK findTopLevel(HWND w, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != search->processId || !IsWindowVisible(w)) return TRUE;
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  const bool isDialog = lstrcmpA(cls, "#32770") == 0;
  if (isDialog != search->dialog) return TRUE;
  if (!isDialog && GetWindowTextLengthW(w) == 0) return TRUE;
  search->found = w;
  return FALSE;
}

HWND findWindowOf(DWORD pid, bool dialog) {
  Search search = {pid, dialog, nullptr};
  EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

ReaderRun runReader(const std::string& tempFolder, WhenReady whenReady, unsigned timeoutMs) {
  ReaderRun run;
  drive::Started started = drive::startWithTemp(LP_READER_PATH, tempFolder);
  if (!started.process) {
    run.exitCode = 0xDEADDEAD;
    return run;
  }
  bool closeSent = false;
  for (DWORD waited = 0; WaitForSingleObject(started.process, 50) == WAIT_TIMEOUT; waited += 50) {
    if (HWND box = findWindowOf(started.id, true)) {
      HWND text = GetDlgItem(box, 0xFFFF);
      run.boxes.push_back({windowTextOf(box), text ? windowTextOf(text) : std::string()});
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      Sleep(200);
    } else if (HWND main = findWindowOf(started.id, false)) {
      run.caption = windowTextOf(main);
      if (whenReady != WhenReady::Wait && !closeSent) {
        // 退出软件 is the tenth menu unit: command 20009.
        if (whenReady == WhenReady::Close) PostMessageA(main, WM_CLOSE, 0, 0);
        if (whenReady == WhenReady::ChooseExit) PostMessageA(main, WM_COMMAND, 20009, 0);
        closeSent = true;
      }
    }
    if (waited > timeoutMs) {
      run.timedOut = true;
      break;
    }
  }
  run.exitCode = drive::finish(started, 0);
  return run;
}

}  // namespace readertest
