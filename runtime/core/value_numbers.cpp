#include "runtime/core/value_numbers.h"

#include <cstring>

namespace lp {

double numberOf(const ValueRecord& v) {
  const uint64_t both = (static_cast<uint64_t>(v.high) << 32) | v.low;
  switch (v.type) {
    case kByte: return static_cast<double>(v.low & 0xFFu);
    case kShort: return static_cast<double>(static_cast<int16_t>(v.low));
    case kInt: return static_cast<double>(static_cast<int32_t>(v.low));
    case kLong: return static_cast<double>(static_cast<int64_t>(both));
    case kFloat: {
      float f;
      std::memcpy(&f, &v.low, sizeof f);
      return f;
    }
    case kDouble:
    case kDateTime: {
      double d;
      std::memcpy(&d, &both, sizeof d);
      return d;
    }
    case kLogical: return v.low != 0 ? 1.0 : 0.0;
    case kSubroutine: return static_cast<double>(v.low);
    default: return 0.0;
  }
}

}  // namespace lp
