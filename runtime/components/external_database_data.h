// The external database has no properties at all, not even the fixed ones:
// its template block carries nothing that the component reads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lp {

struct ExternalDatabaseData {
  // Any block is accepted and ignored.
  bool read(const uint8_t*, size_t) { return true; }
  // Nothing to store: the block is empty.
  std::vector<uint8_t> write() const { return {}; }
};

}  // namespace lp
