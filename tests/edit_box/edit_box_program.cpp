// The program header of the edit box tests: the Core Library alone.
#include "runtime/core/library_table.h"

namespace {
const lp::LibraryInfo* const kLibraries[1] = {&lp::kCoreLibraryInfo};
}  // namespace

extern "C" const lp::ProgramHeader lp_program_header = {
    3, 0, 0x14536, nullptr, nullptr, 0, nullptr, 0, 1, kLibraries, 0, nullptr, nullptr};
