// The program header: where the runtime finds this program's constants,
// window templates, libraries and DLL commands.
#include "constant_layout.h"
#include "runtime/core/library_table.h"
#include "runtime/core/program_header.h"

extern "C" const lp::ProgramHeader lp_program_header = {
    3,        // run mode
    0,        // second mode word
    0x14536,  // build word
    reinterpret_cast<const void*>(&lp_program_entry),
    lp_constants, lp::constants::kSegmentLength,
    nullptr, 0,  // window templates
    6, lp_library_table,
    0, nullptr, nullptr,  // no DLL commands
};
