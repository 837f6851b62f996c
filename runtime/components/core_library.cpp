// The Core Library: the standard components and the core commands.
#include "runtime/core/library_table.h"

#include "runtime/components/core_type_records.h"

namespace lp {

const LibraryInfo kCoreLibraryInfo = makeLibrary("Core Library", kCoreTypeCount, kCoreTypeRecords, 0, nullptr, plainLibraryNotify);

}  // namespace lp
