// The fixed page size of a Jet 4 file; page N starts at byte N * kPageSize.
#pragma once

#include <cstddef>

namespace jet4 {
constexpr size_t kPageSize = 4096;
}
