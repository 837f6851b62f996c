// Reading and writing properties of windows, components and menu items by
// window id, unit id and property index (entry slots 4 and 5).
#pragma once
#include <cstdint>

namespace lp {

// Texts and byte-sets come back as new blocks owned by the caller (the
// address in the 64-bit value).
uint64_t readProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t member);
void writeProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t member,
                   uint32_t low, uint32_t high);

// Re-creates a component from its current properties, keeping geometry,
// disabled state, visibility and focus.
void recreateComponent(uint32_t windowId, uint32_t unitId);

// The application's font record (member index -1 writes): size, bold,
// italic, underline, strike-out, angle and face name.
struct FontValue {
  int32_t size;
  int32_t bold;
  int32_t italic;
  int32_t underline;
  int32_t strikeOut;
  int32_t angle;
  const char* faceName;
};

constexpr int32_t kFixedLimit = 32627;

}  // namespace lp
