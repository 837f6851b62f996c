#include "runtime/core/library_table.h"

#include "runtime/components/library_link.h"

namespace lp {

intptr_t plainLibraryNotify(int32_t notification, uintptr_t first, uintptr_t) {
  switch (notification) {
    case 1:
      setRuntimeEntry(reinterpret_cast<LibraryServiceFn>(first));
      return 0;
    case 6:
      return 0;
    default:
      return -1;
  }
}

}  // namespace lp

extern "C" const lp::LibraryInfo* const lp_library_table[6] = {
    &lp::kCoreLibraryInfo,           &lp::kExtendedInterfaceLibraryInfo, &lp::kSystemInterfaceLibraryInfo,
    &lp::kDataOperationsLibraryInfo, &lp::kSpecialFunctionsLibraryInfo,  &lp::kApplicationInterfaceLibraryInfo,
};
