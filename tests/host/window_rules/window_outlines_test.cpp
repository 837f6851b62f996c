#include "runtime/components/window_outlines.h"

#include <gtest/gtest.h>

#include <vector>

namespace lp {
namespace {

std::vector<std::pair<int32_t, int32_t>> pointsOf(int32_t shape) {
  const Outline o = windowOutline(shape);
  std::vector<std::pair<int32_t, int32_t>> points;
  for (int32_t i = 0; i < o.count; ++i) points.push_back({o.points[i].x, o.points[i].y});
  return points;
}

using Points = std::vector<std::pair<int32_t, int32_t>>;

TEST(WindowOutlines, TheGivenExamples) {
  EXPECT_EQ(pointsOf(4), (Points{{16383, 0}, {32767, 32767}, {0, 32767}, {16383, 0}}));
  EXPECT_EQ(pointsOf(5), (Points{{0, 0}, {32767, 0}, {16383, 32767}}));
  EXPECT_EQ(pointsOf(12), (Points{{16383, 0}, {32767, 16383}, {16383, 32767}, {0, 16383}}));
  EXPECT_EQ(pointsOf(10),
            (Points{{8191, 0}, {24576, 0}, {32767, 16383}, {24576, 32767}, {8191, 32767}, {0, 16383}}));
  EXPECT_EQ(windowOutline(13).count, 10) << "a five-pointed star";
}

TEST(WindowOutlines, ArrowsPointLeftRightUpAndDown) {
  // The tip is the one point on the edge the arrow points to.
  EXPECT_EQ(pointsOf(20).front(), (std::pair<int32_t, int32_t>{0, 16383}));
  EXPECT_EQ(pointsOf(21).front(), (std::pair<int32_t, int32_t>{32767, 16383}));
  EXPECT_EQ(pointsOf(22).front(), (std::pair<int32_t, int32_t>{16383, 0}));
  EXPECT_EQ(pointsOf(23).front(), (std::pair<int32_t, int32_t>{16383, 32767}));
}

TEST(WindowOutlines, TwentySixPolygonsInsideTheUnitSquare) {
  for (int32_t shape = 4; shape <= 29; ++shape) {
    const Outline o = windowOutline(shape);
    ASSERT_GE(o.count, 3) << shape;
    for (int32_t i = 0; i < o.count; ++i) {
      EXPECT_GE(o.points[i].x, 0);
      EXPECT_LE(o.points[i].x, kOutlineUnit);
      EXPECT_GE(o.points[i].y, 0);
      EXPECT_LE(o.points[i].y, kOutlineUnit);
    }
  }
  EXPECT_EQ(windowOutline(3).count, 0);
  EXPECT_EQ(windowOutline(30).count, 0);
}

}  // namespace
}  // namespace lp
