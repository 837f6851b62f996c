#include "process_harness.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "runtime/core/gbk.h"
#include "tests/reader_driving/reader_launch.h"

namespace test {
namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findBox(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == search->processId && IsWindowVisible(hwnd) && std::string(cls) == "#32770") {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

std::string windowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(hwnd, &text[0], n + 1);
  text.resize(static_cast<size_t>(n));
  return lp::wideToGbk(text);
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::string& args, unsigned timeoutMs) {
  ProgramRun run;
  std::string command = "\"" + drive::windowsPath(program) + "\" " + args;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  // Started from another folder than its own, as from a shortcut.
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, temp, &si, &pi)) {
    run.exitCode = 0xDEADDEAD;
    return run;
  }
  DWORD waited = 0;
  while (WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT) {
    waited += 50;
    Search search = {pi.dwProcessId, nullptr};
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      HWND text = GetDlgItem(search.found, 0xFFFF);
      run.boxes.push_back({windowText(search.found), text ? windowText(text) : std::string()});
      PostMessageA(search.found, WM_COMMAND, IDOK, 0);
      Sleep(100);
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

std::string freshTempFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "lumenpath-test-" + name + "-" +
                       std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + data.cFileName).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  return folder;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace test
