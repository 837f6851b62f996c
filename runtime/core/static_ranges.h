// The list of address ranges the memory service never frees: the program's
// constant segment, registered at start-up.
#pragma once
#include <cstdint>

namespace lp {

struct StaticRange {
  uintptr_t start;  // first byte
  uintptr_t end;    // one past the last byte
};

// The range holding pointer, or null when it lies in none.
const StaticRange* findStaticRange(const void* pointer);

}  // namespace lp
