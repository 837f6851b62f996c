// The Extended Interface Library: report list and transparent label.
#include "runtime/core/library_table.h"

#include "runtime/extended/extended_type_records.h"

namespace lp {

const LibraryInfo kExtendedInterfaceLibraryInfo =
    makeLibrary("Extended Interface Library", kExtendedTypeCount, kExtendedTypeRecords, 0, nullptr, plainLibraryNotify);

}  // namespace lp
