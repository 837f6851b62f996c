// The six component libraries of this program, in library-number order.
#pragma once
#include "runtime/core/program_header.h"

namespace lp {

extern const LibraryInfo kCoreLibraryInfo;
extern const LibraryInfo kExtendedInterfaceLibraryInfo;
extern const LibraryInfo kSystemInterfaceLibraryInfo;
extern const LibraryInfo kDataOperationsLibraryInfo;
extern const LibraryInfo kSpecialFunctionsLibraryInfo;
extern const LibraryInfo kApplicationInterfaceLibraryInfo;

// A library record: format, name, types, commands and notification function.
constexpr LibraryInfo makeLibrary(const char* name, int32_t typeCount, const ComponentTypeRecord* types,
                                  int32_t commandCount, const CommandFn* commands, LibraryNotifyFn notify) {
  return LibraryInfo{kLibraryFormat, {}, name, 1, nullptr, 0, {}, typeCount, types, {}, commandCount, 0,
                     commands, {}, notify, {}};
}

// The notification function of libraries that keep no state of their own.
intptr_t plainLibraryNotify(int32_t notification, uintptr_t first, uintptr_t second);

}  // namespace lp

extern "C" const lp::LibraryInfo* const lp_library_table[6];
