// A unit's cursor block made into the cursor the unit owns.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "icon_shape.h"
#include "runtime/core/window_loader.h"

namespace {

std::vector<uint8_t> indexBlock(int32_t index) {
  const uint32_t i = static_cast<uint32_t>(index);
  return {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i >> 16),
          static_cast<uint8_t>(i >> 24)};
}

DWORD hotspotX(HCURSOR cursor) { return testsupport::iconShape(cursor).hotspotX; }

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
  EXPECT_GT(testsupport::iconShape(own).width, 0);
  EXPECT_EQ(hotspotX(own), hotspotX(shared));
  EXPECT_TRUE(DestroyCursor(own));
  EXPECT_EQ(hotspotX(LoadCursorA(nullptr, IDC_IBEAM)), hotspotX(shared));
}

TEST(UnitCursor, TheHandStandsInForAProgramWithoutItsOwn) {
  // This test program carries no hand cursor resource: the system's is used.
  const HCURSOR hand = lp::cursorFromBlock(indexBlock(14));
  ASSERT_NE(hand, nullptr);
  EXPECT_TRUE(DestroyCursor(hand));
}

}  // namespace
