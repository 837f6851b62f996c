#include "runtime/core/startup.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/core/library_calls.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/program_header.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/shutdown.h"
#include "runtime/core/window_registry.h"

namespace lp {
namespace {

const char kMessageWindowClass[] = "LumenPathRuntimeMessages";

LRESULT CALLBACK messageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kExitRequestMessage) {
    // Another thread asked to end the process: do it here, on the GUI thread.
    exitProcess(static_cast<int32_t>(wParam));
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND createMessageWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = messageWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kMessageWindowClass;
  RegisterClassA(&wc);
  return CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, "", 0, 0, 0, 0, 0, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

void splitModulePath(RuntimeState& state) {
  char path[260] = {};
  GetModuleFileNameA(nullptr, path, sizeof path - 1);
  std::string full(path);
  size_t slash = full.find_last_of('\\');
  if (slash == std::string::npos) {
    state.programDirectory.clear();
    state.programDirectoryNoSlash.clear();
    state.programFileName = full;
  } else {
    state.programDirectory = full.substr(0, slash + 1);
    state.programDirectoryNoSlash = full.substr(0, slash);
    state.programFileName = full.substr(slash + 1);
    // Relative file names then resolve in the program's own folder.
    SetCurrentDirectoryA(state.programDirectory.c_str());
  }
}

}  // namespace

void initialiseRuntime() {
  RuntimeState& state = runtime();
  const ProgramHeader& header = lp_program_header;
  state.heap = GetProcessHeap();
  state.runMode = header.runMode;
  state.secondMode = header.secondMode;
  state.buildWord = header.buildWord + 1;
  if (!state.oleInitialised) state.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
  splitModulePath(state);
  state.messageWindow = createMessageWindow();
  state.guiThread = GetCurrentThreadId();
  if (header.constantsLength > 0) addStaticRange(header.constants, header.constantsLength);
  if (header.dllCommandCount > 0) {
    state.dllCommands.assign(header.dllCommandCount, DllCommand{});
    for (uint32_t i = 0; i < header.dllCommandCount; ++i) {
      state.dllCommands[i].fileName = header.dllFiles[i];
      state.dllCommands[i].exportName = header.dllExports[i];
    }
  }
  state.libraries = header.libraries;
  state.libraryCount = header.libraryCount;
  notifyLibrariesOfStart();
  if (header.templatesLength > 0) {
    loadWindowTemplates(header.templates, header.templatesLength, header.codeBase);
  }
}

}  // namespace lp
