// DecryptData, a command of the Data Operations Library: turns an enciphered
// byte-set back into plain bytes with a key text. Algorithm 2 is RC4; any
// other value, a value of another type or no third argument selects sealed
// DES. The result is a new byte-set, or the empty byte-set on any failure.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

constexpr int32_t kRc4Algorithm = 2;

void decryptData(ValueRecord* result, int32_t argc, ValueRecord* args);

}  // namespace lp
