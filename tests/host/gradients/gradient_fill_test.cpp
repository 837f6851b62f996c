#include <gtest/gtest.h>

#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/gradient_fill.h"

namespace {

constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

lp::GradientColours two(uint32_t a, uint32_t b) { return lp::gradientColours(a, b, lp::kClrDefault); }

TEST(GradientColours, LeaveOutNoColourKeepingTheOrder) {
  lp::GradientColours c = lp::gradientColours(lp::kClrDefault, rgb(1, 2, 3), rgb(4, 5, 6));
  ASSERT_EQ(c.count, 2);
  EXPECT_EQ(c.colour[0], rgb(1, 2, 3));
  EXPECT_EQ(c.colour[1], rgb(4, 5, 6));
  EXPECT_EQ(lp::gradientColours(lp::kClrDefault, rgb(9, 9, 9), lp::kClrDefault).count, 1);
  EXPECT_EQ(lp::gradientColours(0, lp::kClrWhite, lp::kClrGrey).count, 3);
}

TEST(GradientFill, HalfWayAcrossAHundredPixelsTruncatesEachChannelTowardsZero) {
  const uint32_t c0 = rgb(10, 201, 33), c1 = rgb(255, 0, 100);
  // R 10 + 122, G 201 - 100 (not 201 - 101: truncation, not flooring), B 33 + 33.
  EXPECT_EQ(lp::gradientColourAt(2, two(c0, c1), 100, 20, 50, 7), rgb(132, 101, 66));
  EXPECT_EQ(lp::gradientColourAt(2, two(c0, c1), 100, 20, 0, 7), c0);
  // Mode 6 runs from the right edge.
  EXPECT_EQ(lp::gradientColourAt(6, two(c0, c1), 100, 20, 99, 0), c0);
  EXPECT_EQ(lp::gradientColourAt(6, two(c0, c1), 100, 20, 49, 0), rgb(132, 101, 66));
}

TEST(GradientFill, ThreeColoursShareTheLengthInTwoSegments) {
  const lp::GradientColours c = lp::gradientColours(rgb(0, 0, 0), rgb(100, 100, 100), rgb(200, 0, 50));
  EXPECT_EQ(lp::gradientColourAt(1, c, 30, 100, 3, 0), rgb(0, 0, 0));
  EXPECT_EQ(lp::gradientColourAt(1, c, 30, 100, 3, 25), rgb(50, 50, 50));
  EXPECT_EQ(lp::gradientColourAt(1, c, 30, 100, 3, 50), rgb(100, 100, 100));
  EXPECT_EQ(lp::gradientColourAt(1, c, 30, 100, 3, 75), rgb(150, 50, 75));
  // Mode 5 starts at the bottom row.
  EXPECT_EQ(lp::gradientColourAt(5, c, 30, 100, 3, 99), rgb(0, 0, 0));
  EXPECT_EQ(lp::gradientColourAt(5, c, 30, 100, 3, 49), rgb(100, 100, 100));
}

TEST(GradientFill, DiagonalsStartAtTheirCornerAndEndInTheLastColour) {
  const lp::GradientColours c = two(rgb(0, 0, 0), rgb(200, 200, 200));
  const int w = 100, h = 40;  // L = 80
  EXPECT_EQ(lp::gradientColourAt(3, c, w, h, 0, 0), rgb(0, 0, 0));
  EXPECT_EQ(lp::gradientColourAt(4, c, w, h, w - 1, 0), rgb(0, 0, 0));
  EXPECT_EQ(lp::gradientColourAt(7, c, w, h, w - 1, h - 1), rgb(0, 0, 0));
  EXPECT_EQ(lp::gradientColourAt(8, c, w, h, 0, h - 1), rgb(0, 0, 0));
  EXPECT_EQ(lp::gradientColourAt(3, c, w, h, 30, 10), rgb(100, 100, 100));
  EXPECT_EQ(lp::gradientColourAt(7, c, w, h, w - 1 - 30, h - 1 - 10), rgb(100, 100, 100));
  // Beyond L the last colour stays.
  EXPECT_EQ(lp::gradientColourAt(3, c, w, h, 90, 30), rgb(200, 200, 200));
}

TEST(GradientFill, TooShortForItsSegmentsGivesTheFirstColour) {
  const lp::GradientColours c = lp::gradientColours(rgb(7, 7, 7), rgb(100, 100, 100), rgb(200, 0, 50));
  // One pixel high with three colours: the segment length is 0.
  EXPECT_EQ(lp::gradientColourAt(1, c, 30, 1, 0, 0), rgb(7, 7, 7));
  EXPECT_EQ(lp::gradientColourAt(2, c, 1, 30, 0, 5), rgb(7, 7, 7));
}

TEST(GradientFill, TilesHoldDibPixelsOfTheirPartOfTheRectangle) {
  const lp::GradientColours c = two(rgb(0x10, 0x20, 0x30), rgb(0x90, 0xA0, 0xB0));
  std::vector<uint32_t> pixels(3 * 2);
  lp::renderGradientTile(2, c, 100, 60, 50, 20, 3, 2, pixels.data());
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      const uint32_t ref = lp::gradientColourAt(2, c, 100, 60, 50 + column, 20 + row);
      const uint32_t dib = ((ref & 0xFF) << 16) | (ref & 0xFF00) | (ref >> 16);
      EXPECT_EQ(pixels[static_cast<size_t>(row * 3 + column)], dib) << row << "," << column;
    }
  }
  EXPECT_EQ(pixels[0], 0x506070u);  // half way, stored as 0x00RRGGBB
}

TEST(GradientFrame, StripsAlongTheInsideWithMitredSides) {
  const lp::GradientFrame f = lp::gradientFrame({10, 20, 110, 80}, 8);
  EXPECT_EQ(f.width, 8);
  EXPECT_EQ(f.top.bottom, 28);
  EXPECT_EQ(f.bottom.top, 72);
  EXPECT_EQ(f.left.right, 18);
  EXPECT_EQ(f.right.left, 102);
  EXPECT_EQ(f.inside.left, 18);
  EXPECT_EQ(f.inside.top, 28);
  EXPECT_EQ(f.inside.right, 102);
  EXPECT_EQ(f.inside.bottom, 72);
  // 45 degrees: the inner corners lie w in and w down from the outer ones.
  EXPECT_EQ(f.leftOutline[1].x - f.leftOutline[0].x, f.leftOutline[1].y - f.leftOutline[0].y);
  EXPECT_EQ(f.leftOutline[2].x, 18);
  EXPECT_EQ(f.leftOutline[2].y, 72);
  EXPECT_EQ(f.rightOutline[3].x, 102);
  EXPECT_EQ(f.rightOutline[3].y, 28);
  EXPECT_EQ(f.leftOutline[4].x, f.leftOutline[0].x);
  EXPECT_EQ(f.rightOutline[4].y, f.rightOutline[0].y);
}

TEST(GradientFrame, WidthIsLimitedToHalfTheSmallerSide) {
  const lp::GradientFrame f = lp::gradientFrame({0, 0, 100, 30}, 40);
  EXPECT_EQ(f.width, 15);
  EXPECT_EQ(f.inside.top, f.inside.bottom);
  EXPECT_EQ(lp::gradientFrame({0, 0, 21, 200}, 40).width, 10);
}

}  // namespace
