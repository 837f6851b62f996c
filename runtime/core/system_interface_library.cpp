// The System Interface Library: special folders.
#include "runtime/core/library_table.h"

namespace lp {

const LibraryInfo kSystemInterfaceLibraryInfo =
    makeLibrary("System Interface Library", 0, nullptr, 0, nullptr, plainLibraryNotify);

}  // namespace lp
