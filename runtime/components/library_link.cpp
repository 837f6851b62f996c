#include "runtime/components/library_link.h"

namespace lp {
namespace {
LibraryServiceFn g_entry = nullptr;
}

void setRuntimeEntry(LibraryServiceFn entry) { g_entry = entry; }

intptr_t callRuntime(int32_t code, uintptr_t first, uintptr_t second) {
  return g_entry ? g_entry(code, first, second) : 0;
}

}  // namespace lp
