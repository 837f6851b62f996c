// The hash under which the database engine publishes its entry points.
#pragma once
#include <cstdint>

namespace lp {

// h = h * 131 + byte over the bytes taken as signed characters, 32-bit
// wrap-around, low 31 bits kept. Null hashes as the empty name (0).
int32_t engineNameHash(const char* name);

}  // namespace lp
