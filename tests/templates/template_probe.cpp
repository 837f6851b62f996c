// A program carrying the test template. Built twice: whole, and with its
// template data cut short by the last byte (LP_CUT_TEMPLATES), which the
// runtime must refuse at start-up. When start-up succeeds it ends with exit
// code 3.
#include "runtime/core/entry_services.h"
#include "runtime/core/library_table.h"
#include "runtime/core/program_header.h"
#include "window_templates.h"

#ifdef LP_CUT_TEMPLATES
constexpr uint32_t kLength = lp::kTemplatesLength - 1;
#else
constexpr uint32_t kLength = lp::kTemplatesLength;
#endif

extern "C" const lp::ProgramHeader lp_program_header = {
    3, 0, 0x14536, lp_code_base, nullptr, 0, lp_templates, kLength, 6, lp_library_table, 0, nullptr, nullptr};

extern "C" int lp_program_entry() {
  lp_entry_services.runtimeService(lp::kServiceInitialise, 0, 0, 0, 0);
  lp_entry_services.exitProcess(3);
  return 0;
}
