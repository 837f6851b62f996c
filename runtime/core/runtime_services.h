// Runtime services reached through entry slot 12.
#pragma once
#include <cstdint>

namespace lp {

uintptr_t runtimeService(int32_t number, uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d);

}  // namespace lp
