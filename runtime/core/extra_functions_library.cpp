// The library of special functions: this program calls none of its commands.
#include "runtime/core/library_table.h"

namespace lp {

const LibraryInfo kSpecialFunctionsLibraryInfo =
    makeLibrary("Special Functions Library", 0, nullptr, 0, nullptr, plainLibraryNotify);

}  // namespace lp
