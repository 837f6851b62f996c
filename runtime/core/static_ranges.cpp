// Static ranges: a short list (one entry in this program) scanned linearly.
#include "runtime/core/static_ranges.h"

#include <vector>

#include "runtime/core/memory_service.h"

namespace lp {

namespace {

std::vector<StaticRange>& ranges() {
  static std::vector<StaticRange> list;
  return list;
}

}  // namespace

void addStaticRange(const void* start, uint32_t length) {
  if (!start || length == 0) return;
  uintptr_t first = reinterpret_cast<uintptr_t>(start);
  ranges().push_back({first, first + length});
}

const StaticRange* findStaticRange(const void* pointer) {
  uintptr_t p = reinterpret_cast<uintptr_t>(pointer);
  for (const StaticRange& r : ranges()) {
    if (p >= r.start && p < r.end) return &r;
  }
  return nullptr;
}

bool isStatic(const void* pointer) { return findStaticRange(pointer) != nullptr; }

void clearStaticRanges() { ranges().clear(); }

}  // namespace lp
