// The reader's entry routine: what compiled code runs first. It reaches the
// runtime only through the entry services.
#include <float.h>

#include "app/reader_globals.h"
#include "runtime/core/entry_services.h"

namespace {

constexpr uint32_t kMainWindow = 0x52010001u;

// The application's start routine: the reader has nothing to do here.
void startRoutine() {}

}  // namespace

extern "C" int lp_program_entry() {
  const lp::EntryServices& rt = lp_entry_services;
  rt.runtimeService(lp::kServiceInitialise, 0, 0, 0, 0);
  _fpreset();
  reader::initialiseGlobals();
  rt.runtimeService(lp::kServiceRegisterCleanup, reinterpret_cast<uintptr_t>(&reader::releaseGlobals), 0, 0, 0);
  startRoutine();
  rt.loadStartWindow(kMainWindow);
  rt.run();
  return 0;
}
