// The Extended Interface Library: report list and transparent label.
#include "runtime/core/library_table.h"

namespace lp {

const LibraryInfo kExtendedInterfaceLibraryInfo =
    makeLibrary("Extended Interface Library", 0, nullptr, 0, nullptr, plainLibraryNotify);

}  // namespace lp
