// The colour gradients shared by the label and the components that paint
// colour gradients: the colour of every pixel for a gradient mode and two or
// three colours, and the geometry of the mitred gradient frame. Portable, so
// the arithmetic is checked natively; the Win32 painter is gradient_paint.h.
#pragma once
#include <cstdint>

namespace lp {

// At most three colours (COLORREF 0x00BBGGRR) take part in a gradient.
struct GradientColours {
  uint32_t colour[3] = {};
  int count = 0;
};

// The candidates that are not ClrDefault, in order; a gradient needs two.
GradientColours gradientColours(uint32_t first, uint32_t second, uint32_t third);

// Modes 1 to 8: 1 top to bottom, 5 bottom to top, 2 left to right, 6 right
// to left, 3 / 4 / 7 / 8 diagonal from the top-left / top-right /
// bottom-right / bottom-left corner.
constexpr int32_t kFirstGradientMode = 1;
constexpr int32_t kLastGradientMode = 8;
inline bool isGradientMode(int32_t mode) { return mode >= kFirstGradientMode && mode <= kLastGradientMode; }

// The colour (COLORREF) of pixel (x, y) of a width x height rectangle.
uint32_t gradientColourAt(int32_t mode, const GradientColours& colours, int32_t width, int32_t height, int32_t x,
                          int32_t y);

// Fills a top-down block of 32-bit DIB pixels (0x00RRGGBB) for the part of
// the gradient rectangle that starts at (left, top) and is tileWidth x
// tileHeight pixels.
void renderGradientTile(int32_t mode, const GradientColours& colours, int32_t width, int32_t height, int32_t left,
                        int32_t top, int32_t tileWidth, int32_t tileHeight, uint32_t* pixels);

struct GradientBox {
  int32_t left, top, right, bottom;
};
struct GradientPoint {
  int32_t x, y;
};

// The frame of width w along the inside of a rectangle: w limited to half
// the width and half the height; top and bottom strips (mode 1), left and
// right strips (mode 2) clipped by closed five-point outlines so that they
// meet the top and bottom strips on 45-degree mitres.
struct GradientFrame {
  int32_t width;
  GradientBox top, bottom, left, right;
  GradientPoint leftOutline[5], rightOutline[5];
  GradientBox inside;  // the rectangle shrunk by the width on every side
};
GradientFrame gradientFrame(const GradientBox& box, int32_t width);

}  // namespace lp
