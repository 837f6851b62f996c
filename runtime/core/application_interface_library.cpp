// The Application Interface Library: opening documents with the shell.
#include "runtime/core/library_table.h"

namespace lp {

const LibraryInfo kApplicationInterfaceLibraryInfo =
    makeLibrary("Application Interface Library", 0, nullptr, 0, nullptr, plainLibraryNotify);

}  // namespace lp
