#include "tests/reader/test_files.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace readertest {
namespace {

std::string& realTemp() {
  static std::string folder = [] {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    return std::string(path);
  }();
  return folder;
}

}  // namespace

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void rememberRealTemp() { realTemp(); }

std::string freshFolder(const std::string& name) {
  std::string folder = realTemp() + "lumenpath-reader-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA((folder + data.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((folder + data.cFileName).c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  return folder;
}

std::string settingsPath() {
  char path[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, path, CSIDL_PERSONAL, FALSE);
  std::string folder = path;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder + "lumenpath.ini";
}

}  // namespace readertest
