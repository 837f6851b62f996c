// The one runtime state object of the process.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>
#include "runtime/core/program_header.h"

namespace lp {

typedef void (*CleanupRoutine)();
typedef void (*IdleCallback)(uintptr_t argument);

struct IdleHandler {
  HWND window;
  IdleCallback callback;
  uintptr_t argument;
};

struct DllCommand {
  HMODULE module;
  FARPROC address;
  const char* fileName;
  const char* exportName;
};

struct RuntimeState {
  HANDLE heap = nullptr;
  uint32_t runMode = 0;
  uint32_t secondMode = 0;
  uint32_t buildWord = 0;
  std::string programDirectory;       // up to and including the last backslash
  std::string programDirectoryNoSlash;
  std::string programFileName;
  const LibraryInfo* const* libraries = nullptr;
  uint32_t libraryCount = 0;
  std::vector<uintptr_t> libraryData;  // one data word per library
  std::vector<DllCommand> dllCommands;
  HWND messageWindow = nullptr;
  DWORD guiThread = 0;
  CleanupRoutine cleanup = nullptr;
  std::vector<IdleHandler> idleHandlers;
  int suspendCount = 0;
  bool exiting = false;
  bool running = false;
  bool oleInitialised = false;
  uint32_t currentModalWindow = 0;
};

RuntimeState& runtime();

// Processes every waiting message, leaving a WM_QUIT in the queue.
void processWaitingMessages();

}  // namespace lp
