// The window tests' program: the Core Library and the fake library.
#include "fake_components.h"
#include "runtime/core/library_table.h"

namespace {
const lp::LibraryInfo* const kLibraries[2] = {&lp::kCoreLibraryInfo, &test::kFakeLibraryInfo};
}  // namespace

extern "C" const lp::ProgramHeader lp_program_header = {
    3, 0, 0x14536, nullptr, nullptr, 0, nullptr, 0, 2, kLibraries, 0, nullptr, nullptr};
