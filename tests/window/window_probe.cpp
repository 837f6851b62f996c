// A program with one window that closes itself in the way its first argument
// names; what happens is logged to the file named by the second argument.
// Closing the last window must end the message loop, run the cleanup routine
// once and end the process with exit code 0.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/components/window_component.h"
#include "runtime/components/window_data.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/library_table.h"
#include "runtime/core/window_registry.h"

namespace {

constexpr uint32_t kWindowId = 0x52010001u;
std::string g_log;

void logLine(const char* line) {
  if (FILE* f = std::fopen(g_log.c_str(), "ab")) {
    std::fputs(line, f);
    std::fputs("\n", f);
    std::fclose(f);
  }
}

void cleanup() { logLine("cleanup"); }

void codeBase(lp::HandlerCall*) {}
void closing(lp::HandlerCall*) { logLine("event 1"); }
void destroyed(lp::HandlerCall*) { logLine("event 2"); }

int32_t offsetOf(lp::EventHandler handler) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(handler) - reinterpret_cast<intptr_t>(&codeBase));
}

std::vector<uint8_t> templateData() {
  lp::UnitRecord own;
  own.id = 0x06010000u;
  own.component.head.typeCode = 0x00010001u;
  own.component.width = 300;
  own.component.height = 200;
  own.component.state = lp::kStateVisible;
  own.component.events = {{1, offsetOf(closing)}, {2, offsetOf(destroyed)}};
  own.component.properties = lp::WindowData().write();
  lp::TemplateData data;
  data.windows.resize(1);
  data.windows[0].id = kWindowId;
  data.windows[0].units.push_back(own);
  return lp::writeTemplateData(data);
}

const lp::LibraryInfo* const kLibraries[1] = {&lp::kCoreLibraryInfo};

}  // namespace

extern "C" const lp::ProgramHeader lp_program_header = {
    3, 0, 0x14536, nullptr, nullptr, 0, nullptr, 0, 1, kLibraries, 0, nullptr, nullptr};

extern "C" int lp_program_entry() {
  const std::string mode = __argc > 1 ? __argv[1] : "";
  g_log = __argc > 2 ? __argv[2] : "probe.log";
  const lp::EntryServices& rt = lp_entry_services;
  rt.runtimeService(lp::kServiceInitialise, 0, 0, 0, 0);
  rt.runtimeService(lp::kServiceRegisterCleanup, reinterpret_cast<uintptr_t>(&cleanup), 0, 0, 0);
  const std::vector<uint8_t> data = templateData();
  lp::loadWindowTemplates(data.data(), static_cast<uint32_t>(data.size()), reinterpret_cast<const void*>(&codeBase));
  rt.loadStartWindow(kWindowId);
  lp::WindowRecord* record = lp::findWindow(kWindowId);
  lp::ComponentObject* window = record ? lp::liveObject(*record, 0) : nullptr;
  if (!window) return 3;
  if (mode == "close") {
    PostMessageA(window->window, WM_CLOSE, 0, 0);
  } else if (mode == "destroy") {
    lp::destroyWindowComponent(window, false);
  }
  rt.run();
  logLine("loop ended");
  return 0;
}
