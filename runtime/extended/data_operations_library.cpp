// The Data Operations Library: data decryption.
#include "runtime/core/library_table.h"

namespace lp {

const LibraryInfo kDataOperationsLibraryInfo =
    makeLibrary("Data Operations Library", 0, nullptr, 0, nullptr, plainLibraryNotify);

}  // namespace lp
