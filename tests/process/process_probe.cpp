// A stand-in for a compiled application: it reaches the runtime through the
// entry services only and, depending on its first argument, ends in one of
// the ways a program can end. What happens is logged to the file named by
// the second argument.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/core/entry_services.h"

namespace {

std::string g_log;

void logLine(const char* line) {
  if (FILE* f = std::fopen(g_log.c_str(), "ab")) {
    std::fputs(line, f);
    std::fputs("\n", f);
    std::fclose(f);
  }
}

void cleanup() { logLine("cleanup"); }

lp::LibraryServiceFn g_service = nullptr;

intptr_t probeNotify(int32_t notification, uintptr_t first, uintptr_t) {
  if (notification == 1) {
    g_service = reinterpret_cast<lp::LibraryServiceFn>(first);
    logLine("notify1");
  }
  if (notification == 6) logLine("notify6");
  return notification == 1 || notification == 6 ? 0 : -1;
}

const lp::LibraryInfo kProbeLibrary = {lp::kLibraryFormat, {}, "Probe", 1, nullptr, 0, {}, 0, nullptr,
                                       {}, 0, 0, nullptr, {}, probeNotify, {}};
const lp::LibraryInfo* const kLibraries[1] = {&kProbeLibrary};

DWORD WINAPI exitFromThread(LPVOID) {
  Sleep(200);
  lp_entry_services.exitProcess(5);
  return 0;
}

}  // namespace

// Three DLL commands: one that resolves, one whose file does not exist and
// one whose export no system DLL has.
const char* const kDllFiles[3] = {"", "nosuch.dll", ""};
const char* const kDllExports[3] = {"GetTickCount", "Nothing", "NoSuchExport"};

extern "C" const lp::ProgramHeader lp_program_header = {
    3, 0, 0x14536, nullptr, nullptr, 0, nullptr, 0, 1, kLibraries, 3, kDllFiles, kDllExports};

extern "C" int lp_program_entry() {
  const std::string mode = __argc > 1 ? __argv[1] : "";
  g_log = __argc > 2 ? __argv[2] : "probe.log";
  const lp::EntryServices& rt = lp_entry_services;
  rt.runtimeService(lp::kServiceInitialise, 0, 0, 0, 0);
  rt.runtimeService(lp::kServiceRegisterCleanup, reinterpret_cast<uintptr_t>(&cleanup), 0, 0, 0);
  if (mode == "no-templates") {
    rt.loadStartWindow(0x52010001u);
  } else if (mode == "exit-service") {
    rt.exitProcess(7);
  } else if (mode == "exit-thread") {
    CloseHandle(CreateThread(nullptr, 0, exitFromThread, nullptr, 0, nullptr));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    logLine("loop ended");
  } else if (mode == "error-code") {
    rt.reportErrorByCode(4);
  } else if (mode == "alloc-fail") {
    rt.allocate(-5);  // refused on every width (a 2 GB request may succeed in 64 bits)
  } else if (mode == "dll-call") {
    uintptr_t ticks = rt.callDllCommand(0, 0, nullptr);
    logLine(ticks != 0 ? "dll ok" : "dll zero");
  } else if (mode == "dll-missing-file") {
    rt.callDllCommand(1, 0, nullptr);
  } else if (mode == "dll-missing-export") {
    rt.callDllCommand(2, 0, nullptr);
  } else if (mode == "missing-component") {
    g_service(2007, 0x52010001u, 0x16010001u);
  } else if (mode == "missing-window-property") {
    rt.readProperty(0x52010001u, 0, 0, -1);
  } else if (mode == "working-directory") {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    logLine(folder);
  }
  rt.run();
  logLine("entry returns");
  return 0;
}
