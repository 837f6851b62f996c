// The palette's layout, key movement and placement rules, without windows.
#include <gtest/gtest.h>

#include "runtime/extended/colour_palette_layout.h"
#include "runtime/extended/colour_palette_table.h"

namespace {

using lp::kCustomBox;
using lp::kDefaultBox;

TEST(PaletteTable, HasThirtyTwoDistinctColoursInGridOrder) {
  EXPECT_EQ(lp::kPaletteColours[0].colour, RGB(0, 0, 0));
  EXPECT_EQ(lp::kPaletteColours[17].colour, RGB(88, 48, 224));
  EXPECT_EQ(lp::kPaletteColours[31].colour, RGB(96, 96, 96));
  for (int i = 0; i < lp::kPaletteColourCount; ++i) EXPECT_EQ(lp::paletteIndexOf(lp::kPaletteColours[i].colour), i);
  EXPECT_EQ(lp::paletteIndexOf(RGB(1, 2, 3)), -1);
}

TEST(PaletteLayout, GridAloneAndWithBothBoxes) {
  EXPECT_EQ(lp::paletteCellSize(2), 18);
  EXPECT_EQ(lp::paletteCellSize(6), 19);
  const lp::PaletteLayout plain = lp::layoutPalette({18, 2, {0, 0}, {0, 0}});
  EXPECT_EQ(plain.size.cx, 7 * 18 + 4);
  EXPECT_EQ(plain.size.cy, 5 * 18 + 4);
  EXPECT_FALSE(plain.hasDefault);
  EXPECT_FALSE(plain.hasCustom);

  const lp::PaletteLayout boxes = lp::layoutPalette({18, 2, {30, 12}, {60, 12}});
  const int boxHeight = 12 + 4 * 2 + 2;
  EXPECT_EQ(boxes.defaultBox.bottom - boxes.defaultBox.top, boxHeight);
  EXPECT_EQ(boxes.gridOrigin.y, 2 + boxHeight + 4);
  EXPECT_GE(boxes.customBox.top, boxes.gridOrigin.y + 5 * 18);
  EXPECT_EQ(boxes.size.cy, plain.size.cy + 2 * (boxHeight + 4));
  const RECT last = lp::paletteCellRect(boxes, 31);
  EXPECT_EQ(last.left, 2 + 3 * 18);
  EXPECT_EQ(last.top, boxes.gridOrigin.y + 4 * 18);
  EXPECT_EQ(lp::paletteChoiceAt(boxes, {last.left + 9, last.top + 9}), 31);
  EXPECT_EQ(lp::paletteChoiceAt(boxes, {last.right + 9, last.top + 9}), lp::kNoChoice) << "no cell after 31";
  EXPECT_EQ(lp::paletteChoiceAt(boxes, {10, boxes.defaultBox.top + 3}), kDefaultBox);
  EXPECT_EQ(lp::paletteChoiceAt(boxes, {10, boxes.customBox.top + 3}), kCustomBox);
}

TEST(PaletteLayout, AWideTextWidensThePalette) {
  const lp::PaletteLayout wide = lp::layoutPalette({18, 2, {0, 0}, {200, 12}});
  EXPECT_EQ(wide.size.cx, 200 + 8);
  EXPECT_EQ(wide.customBox.right - wide.customBox.left, 200 + 4);
}

TEST(PaletteKeys, MoveThroughTheGridInReadingOrderAndByRows) {
  EXPECT_EQ(lp::movePaletteChoice(6, VK_RIGHT, true, true), 7) << "end of a row to the start of the next";
  EXPECT_EQ(lp::movePaletteChoice(7, VK_LEFT, true, true), 6);
  EXPECT_EQ(lp::movePaletteChoice(3, VK_DOWN, true, true), 10);
  EXPECT_EQ(lp::movePaletteChoice(10, VK_UP, true, true), 3);
  EXPECT_EQ(lp::movePaletteChoice(lp::kNoChoice, VK_DOWN, true, true), 0);
  EXPECT_EQ(lp::movePaletteChoice(5, VK_RETURN, true, true), 5);
}

TEST(PaletteKeys, TheBoxesLieBeforeAndAfterTheGrid) {
  EXPECT_EQ(lp::movePaletteChoice(0, VK_LEFT, true, true), kDefaultBox);
  EXPECT_EQ(lp::movePaletteChoice(3, VK_UP, true, true), kDefaultBox);
  EXPECT_EQ(lp::movePaletteChoice(31, VK_RIGHT, true, true), kCustomBox);
  EXPECT_EQ(lp::movePaletteChoice(27, VK_DOWN, true, true), kCustomBox) << "below the last row";
  EXPECT_EQ(lp::movePaletteChoice(kDefaultBox, VK_RIGHT, true, true), 0);
  EXPECT_EQ(lp::movePaletteChoice(kCustomBox, VK_LEFT, true, true), 31);
  // Without a box the other one, or the first cell, stands in.
  EXPECT_EQ(lp::movePaletteChoice(0, VK_LEFT, false, true), kCustomBox);
  EXPECT_EQ(lp::movePaletteChoice(31, VK_RIGHT, true, false), kDefaultBox);
  EXPECT_EQ(lp::movePaletteChoice(31, VK_RIGHT, false, false), 0);
  EXPECT_EQ(lp::movePaletteChoice(2, VK_UP, false, false), 0);
}

TEST(PaletteKeys, AMissingBoxIsNeverReached) {
  const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
  for (bool hasCustom : {false, true}) {
    for (int from = kCustomBox; from < lp::kPaletteColourCount; ++from) {
      if (from == kDefaultBox || (from == kCustomBox && !hasCustom)) continue;
      for (UINT key : keys) {
        const int to = lp::movePaletteChoice(from, key, false, hasCustom);
        EXPECT_NE(to, kDefaultBox) << from << " " << key;
        if (!hasCustom) {
          EXPECT_NE(to, kCustomBox) << from << " " << key;
        }
      }
    }
  }
}

TEST(PalettePlacement, IsShiftedToStayOnTheScreen) {
  const RECT screen = {0, 0, 1024, 768};
  const RECT inside = lp::keepOnScreen({100, 100, 230, 250}, screen);
  EXPECT_EQ(inside.left, 100);
  EXPECT_EQ(inside.top, 100);
  const RECT corner = lp::keepOnScreen({1000, 700, 1130, 850}, screen);
  EXPECT_EQ(corner.right, 1024);
  EXPECT_EQ(corner.bottom, 768);
  EXPECT_EQ(corner.right - corner.left, 130);
  EXPECT_EQ(corner.bottom - corner.top, 150);
  const RECT left = lp::keepOnScreen({-40, 10, 90, 160}, screen);
  EXPECT_EQ(left.left, 0);
}

}  // namespace
