// Starting a program with TMP and TEMP pointing at a folder of the caller's,
// so that the reader writes and finds its database there.
#pragma once
#include <windows.h>

#include <string>

namespace drive {

// A Unix path as Wine's Z: drive shows it; a Windows path unchanged.
std::string windowsPath(const std::string& path);

// An empty folder of this name under the system's temporary folder.
std::string freshTempFolder(const std::string& name);
// Deletes the files in the folder, then the folder.
void removeFolder(const std::string& folder);

struct Started {
  HANDLE process = nullptr;
  DWORD id = 0;
};

// Starts `program` (a Unix or Windows path) in `tempFolder` (or, when that
// does not exist, in the current folder); process null on failure.
Started startWithTemp(const std::string& program, const std::string& tempFolder);
// Waits for the process to end by itself, then ends it; returns its exit code.
DWORD finish(Started& started, DWORD waitMs);

}  // namespace drive
