#include "runtime/components/gradient_fill.h"

#include <algorithm>

#include "runtime/components/colours.h"

namespace lp {
namespace {

// Position p along length L of the pixel, by mode.
struct Along {
  int32_t position;
  int32_t length;
};

Along along(int32_t mode, int32_t width, int32_t height, int32_t x, int32_t y) {
  const int32_t fromRight = width - 1 - x;
  const int32_t fromBottom = height - 1 - y;
  const int32_t diagonal = 2 * std::min(width, height);
  switch (mode) {
    case 1: return {y, height};
    case 5: return {fromBottom, height};
    case 2: return {x, width};
    case 6: return {fromRight, width};
    case 3: return {x + y, diagonal};
    case 4: return {fromRight + y, diagonal};
    case 7: return {fromRight + fromBottom, diagonal};
    default: return {x + fromBottom, diagonal};
  }
}

int32_t channel(uint32_t colour, int shift) { return static_cast<int32_t>((colour >> shift) & 0xFF); }

// c0 + truncate(f * (c1 - c0)) per channel with f = part / whole, computed
// exactly (integer division truncates towards zero as the rule wants).
uint32_t blend(uint32_t c0, uint32_t c1, int32_t part, int32_t whole) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int32_t a = channel(c0, shift), b = channel(c1, shift);
    const int32_t value = a + static_cast<int32_t>(static_cast<int64_t>(part) * (b - a) / whole);
    out |= static_cast<uint32_t>(value) << shift;
  }
  return out;
}

}  // namespace

GradientColours gradientColours(uint32_t first, uint32_t second, uint32_t third) {
  GradientColours out;
  for (uint32_t c : {first, second, third}) {
    if (c != kClrDefault) out.colour[out.count++] = c & 0x00FFFFFFu;
  }
  return out;
}

uint32_t gradientColourAt(int32_t mode, const GradientColours& colours, int32_t width, int32_t height, int32_t x,
                          int32_t y) {
  const int32_t n = colours.count;
  if (n <= 0) return 0;
  if (n == 1) return colours.colour[0];
  const Along a = along(mode, width, height, x, y);
  const int32_t p = std::max(a.position, 0);
  const int32_t segment = a.length / (n - 1);
  const int32_t i = segment > 0 ? p / segment : 0;
  if (i > n - 2) return colours.colour[n - 1];
  if (segment <= 0) return colours.colour[i];
  return blend(colours.colour[i], colours.colour[i + 1], p % segment, segment);
}

void renderGradientTile(int32_t mode, const GradientColours& colours, int32_t width, int32_t height, int32_t left,
                        int32_t top, int32_t tileWidth, int32_t tileHeight, uint32_t* pixels) {
  for (int32_t row = 0; row < tileHeight; ++row) {
    for (int32_t column = 0; column < tileWidth; ++column) {
      const uint32_t c = gradientColourAt(mode, colours, width, height, left + column, top + row);
      // COLORREF 0x00BBGGRR becomes the DIB's 0x00RRGGBB.
      pixels[row * tileWidth + column] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
}

GradientFrame gradientFrame(const GradientBox& box, int32_t width) {
  const int32_t w = std::max(0, std::min({width, (box.right - box.left) / 2, (box.bottom - box.top) / 2}));
  const int32_t l = box.left, t = box.top, r = box.right, b = box.bottom;
  GradientFrame f;
  f.width = w;
  f.top = {l, t, r, t + w};
  f.bottom = {l, b - w, r, b};
  f.left = {l, t, l + w, b};
  f.right = {r - w, t, r, b};
  const GradientPoint left[5] = {{l, t}, {l + w, t + w}, {l + w, b - w}, {l, b}, {l, t}};
  const GradientPoint right[5] = {{r, t}, {r, b}, {r - w, b - w}, {r - w, t + w}, {r, t}};
  std::copy(left, left + 5, f.leftOutline);
  std::copy(right, right + 5, f.rightOutline);
  f.inside = {l + w, t + w, r - w, b - w};
  return f;
}

}  // namespace lp
