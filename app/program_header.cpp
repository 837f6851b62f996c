// The program header: where the runtime finds this program's constants,
// window templates, libraries and DLL commands.
#include "constant_layout.h"
#include "runtime/core/library_table.h"
#include "runtime/core/program_header.h"
#include "window_templates.h"

extern "C" const lp::ProgramHeader lp_program_header = {
    3,        // run mode
    0,        // second mode word
    0x14536,  // build word
    lp_code_base,  // handler offsets in the templates count from here
    lp_constants, lp::constants::kSegmentLength,
    lp_templates, lp::kTemplatesLength,
    6, lp_library_table,
    0, nullptr, nullptr,  // no DLL commands
};
