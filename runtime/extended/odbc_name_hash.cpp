#include "runtime/extended/odbc_name_hash.h"

namespace lp {

int32_t engineNameHash(const char* name) {
  uint32_t h = 0;
  if (name) {
    for (const char* p = name; *p; ++p) {
      // A signed byte above 0x7F counts negative: that is how GBK names hash.
      h = h * 131u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(*p)));
    }
  }
  return static_cast<int32_t>(h & 0x7FFFFFFFu);
}

}  // namespace lp
