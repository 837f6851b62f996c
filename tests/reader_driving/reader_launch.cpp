#include "tests/reader_driving/reader_launch.h"

namespace drive {
namespace {

// This process's environment with TMP and TEMP replaced.
std::string environmentWithTemp(const std::string& folder) {
  std::string block;
  char* env = GetEnvironmentStringsA();
  for (const char* p = env; *p; p += lstrlenA(p) + 1) {
    if (_strnicmp(p, "TMP=", 4) == 0 || _strnicmp(p, "TEMP=", 5) == 0) continue;
    block += p;
    block += '\0';
  }
  FreeEnvironmentStringsA(env);
  block += "TMP=" + folder + '\0';
  block += "TEMP=" + folder + '\0';
  block += '\0';
  return block;
}

}  // namespace

std::string windowsPath(const std::string& path) {
  if (path.size() > 1 && path[1] == ':') return path;
  std::string out = "Z:";
  for (char c : path) out += c == '/' ? '\\' : c;
  return out;
}

std::string freshTempFolder(const std::string& name) {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + name;
  removeFolder(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

void removeFolder(const std::string& folder) {
  std::string dir = folder;
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((dir + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(dir.c_str());
}

Started startWithTemp(const std::string& program, const std::string& tempFolder) {
  Started started;
  std::string command = "\"" + windowsPath(program) + "\"";
  std::string environment = environmentWithTemp(tempFolder);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  // It works in that folder, or where the caller does when the folder is
  // missing (a test of a temporary folder that cannot be written).
  const bool folderExists = GetFileAttributesA(tempFolder.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, &environment[0],
                      folderExists ? tempFolder.c_str() : nullptr, &si, &pi)) {
    return started;
  }
  CloseHandle(pi.hThread);
  started.process = pi.hProcess;
  started.id = pi.dwProcessId;
  return started;
}

DWORD finish(Started& started, DWORD waitMs) {
  if (!started.process) return 0;
  if (WaitForSingleObject(started.process, waitMs) == WAIT_TIMEOUT) {
    TerminateProcess(started.process, 0xBAD);
    WaitForSingleObject(started.process, 5000);
  }
  DWORD code = 0;
  GetExitCodeProcess(started.process, &code);
  CloseHandle(started.process);
  started = Started{};
  return code;
}

}  // namespace drive
