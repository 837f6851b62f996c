// The Core Library: the standard components and the core commands.
#include "runtime/core/library_table.h"

namespace lp {

const LibraryInfo kCoreLibraryInfo = makeLibrary("Core Library", 0, nullptr, 0, nullptr, plainLibraryNotify);

}  // namespace lp
