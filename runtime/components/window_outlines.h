// The outlines of the window's Shape values 4 to 29: closed polygons with
// points in units of 1/32767 of the window's width and height.
#pragma once
#include <cstdint>

namespace lp {

constexpr int32_t kOutlineUnit = 32767;
constexpr int32_t kFirstPolygonShape = 4;
constexpr int32_t kLastPolygonShape = 29;

struct OutlinePoint {
  int32_t x;
  int32_t y;
};

struct Outline {
  const OutlinePoint* points;
  int32_t count;
};

// The polygon of a Shape value from 4 to 29; an empty outline otherwise.
Outline windowOutline(int32_t shape);

}  // namespace lp
