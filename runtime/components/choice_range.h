// Clamping of values written to choice and bounded integer properties:
// out-of-range values are brought into range, never rejected.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lp {

struct ChoiceRange {
  int32_t ownIndex;
  int32_t min;
  int32_t max;
};

inline int32_t clampToRange(int32_t value, int32_t min, int32_t max) {
  return value < min ? min : value > max ? max : value;
}

// Clamps value to the range listed for ownIndex; other properties pass as they are.
template <size_t N>
int32_t clampChoice(const ChoiceRange (&ranges)[N], int32_t ownIndex, int32_t value) {
  for (const ChoiceRange& range : ranges)
    if (range.ownIndex == ownIndex) return clampToRange(value, range.min, range.max);
  return value;
}

}  // namespace lp
