// The sealed-block reader of the DES path: the first byte gives the key
// length, then the key, then the block.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "runtime/extended/des_sealed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t keyLength = data[0] % 32;
  if (size < 1 + keyLength) return 0;
  std::vector<uint8_t> block(data + 1 + keyLength, data + size);
  size_t plain = 0;
  if (lp::openDesSealed(block.data(), block.size(), data + 1, keyLength, &plain)) {
    if (plain + 4 > block.size()) std::abort();
  }
  return 0;
}
