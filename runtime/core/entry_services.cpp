#include "runtime/core/entry_services.h"

#include <vector>

#include "runtime/core/dll_commands.h"
#include "runtime/core/error_report.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/message_loop.h"
#include "runtime/core/property_service.h"
#include "runtime/core/runtime_services.h"
#include "runtime/core/shutdown.h"
#include "runtime/core/window_loader.h"

namespace lp {
namespace {

void reportByCode(int32_t code) { reportErrorByCode(code); }

ValueRecord callCommand(CommandFn fn, int32_t argCount, const ValueRecord* args) {
  ValueRecord result = {0, 0, 0};
  // Arguments are lent: the command reads them during the call only.
  fn(&result, argCount, const_cast<ValueRecord*>(args));
  return result;
}

void* allocateEntry(int32_t size) { return allocate(size); }
void* reallocateEntry(void* block, int32_t size) { return reallocate(block, size); }
void freeEntry(void* block) { release(block); }
void exitEntry(int32_t code) { exitProcess(code); }

}  // namespace
}  // namespace lp

extern "C" const lp::EntryServices lp_entry_services = {
    lp::reportByCode,     lp::callDllCommand,  lp::callCommand,       lp::callCommand,
    lp::readProperty,     lp::writeProperty,   lp::allocateEntry,     lp::reallocateEntry,
    lp::freeEntry,        lp::exitEntry,       lp::run,               lp::loadStartWindow,
    lp::runtimeService,
};
