#include "tests/reader/reader_process.h"

#include <windows.h>

#include "runtime/core/gbk.h"

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

std::string textOf(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(w, &text[0], n + 1);
  text.resize(static_cast<size_t>(n));
  return lp::wideToGbk(text);
}

// This process's environment with TMP and TEMP replaced.
std::string environmentWithTemp(const std::string& folder) {
  std::string block;
  char* env = GetEnvironmentStringsA();
  for (const char* p = env; *p; p += lstrlenA(p) + 1) {
    std::string entry = p;
    if (_strnicmp(p, "TMP=", 4) == 0 || _strnicmp(p, "TEMP=", 5) == 0) continue;
    block += entry;
    block += '\0';
  }
  FreeEnvironmentStringsA(env);
  block += "TMP=" + folder + '\0';
  block += "TEMP=" + folder + '\0';
  block += '\0';
  return block;
}

std::string windowsPath(const std::string& path) {
  if (path.size() > 1 && path[1] == ':') return path;
  std::string out = "Z:";
  for (char c : path) out += c == '/' ? '\\' : c;
  return out;
}

}  // namespace

ReaderRun runReader(const std::string& tempFolder, WhenReady whenReady, unsigned timeoutMs) {
  ReaderRun run;
  std::string command = "\"" + windowsPath(LP_READER_PATH) + "\"";
  std::string environment = environmentWithTemp(tempFolder);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, &environment[0], tempFolder.c_str(), &si,
                      &pi)) {
    run.exitCode = 0xDEADDEAD;
    return run;
  }
  bool closeSent = false;
  for (DWORD waited = 0; WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT; waited += 50) {
    if (HWND box = findWindowOf(pi.dwProcessId, true)) {
      HWND text = GetDlgItem(box, 0xFFFF);
      run.boxes.push_back({textOf(box), text ? textOf(text) : std::string()});
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      Sleep(200);
    } else if (HWND main = findWindowOf(pi.dwProcessId, false)) {
      run.caption = textOf(main);
      if (whenReady != WhenReady::Wait && !closeSent) {
        // 退出软件 is the tenth menu unit: command 20009.
        if (whenReady == WhenReady::Close) PostMessageA(main, WM_CLOSE, 0, 0);
        if (whenReady == WhenReady::ChooseExit) PostMessageA(main, WM_COMMAND, 20009, 0);
        closeSent = true;
      }
    }
    if (waited > timeoutMs) {
      run.timedOut = true;
      TerminateProcess(pi.hProcess, 0xBAD);
      WaitForSingleObject(pi.hProcess, 5000);
      break;
    }
  }
  GetExitCodeProcess(pi.hProcess, &run.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return run;
}

}  // namespace readertest
