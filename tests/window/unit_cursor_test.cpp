// A unit's cursor block made into the cursor the unit owns.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "runtime/core/window_loader.h"

namespace {

std::vector<uint8_t> indexBlock(int32_t index) {
  const uint32_t i = static_cast<uint32_t>(index);
  return {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i >> 16),
          static_cast<uint8_t>(i >> 24)};
}

POINT hotspotOf(HCURSOR cursor) {
  ICONINFO info = {};
  if (!GetIconInfo(cursor, &info)) return {-1, -1};
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
}

TEST(UnitCursor, NoCursorForEmptyDefaultAndUnknownIndices) {
  EXPECT_EQ(lp::cursorFromBlock({}), nullptr);
  EXPECT_EQ(lp::cursorFromBlock(indexBlock(0)), nullptr);
  EXPECT_EQ(lp::cursorFromBlock(indexBlock(15)), nullptr);
  EXPECT_EQ(lp::cursorFromBlock(indexBlock(-2)), nullptr);
  EXPECT_EQ(lp::cursorFromBlock(indexBlock(-1)), nullptr) << "an image index with no image";
}

TEST(UnitCursor, SystemCursorsAreOwnedCopies) {
  const HCURSOR shared = LoadCursorA(nullptr, IDC_IBEAM);
  const HCURSOR own = lp::cursorFromBlock(indexBlock(3));
  ASSERT_NE(own, nullptr);
  EXPECT_NE(own, shared) << "the unit destroys its cursor; the shared one must survive that";
  EXPECT_EQ(hotspotOf(own).x, hotspotOf(shared).x);
  EXPECT_TRUE(DestroyCursor(own));
  EXPECT_EQ(hotspotOf(LoadCursorA(nullptr, IDC_IBEAM)).x, hotspotOf(shared).x);
}

TEST(UnitCursor, TheHandStandsInForAProgramWithoutItsOwn) {
  // This test program carries no hand cursor resource: the system's is used.
  const HCURSOR hand = lp::cursorFromBlock(indexBlock(14));
  ASSERT_NE(hand, nullptr);
  EXPECT_TRUE(DestroyCursor(hand));
}

}  // namespace
