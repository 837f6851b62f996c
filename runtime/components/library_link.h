// How the component libraries reach the runtime: the library-service entry
// handed to them at start-up, and nothing else.
#pragma once
#include <cstdint>
#include "runtime/core/library_service.h"
#include "runtime/core/program_header.h"

namespace lp {

void setRuntimeEntry(LibraryServiceFn entry);
intptr_t callRuntime(int32_t code, uintptr_t first = 0, uintptr_t second = 0);

}  // namespace lp
