// Proportional layout of the main window: every control keeps its place and
// size as fractions of the window, truncated toward zero; the scaled fonts
// follow the controls' widths; the two display modes re-lay out.
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;

struct Placed {
  uint32_t unit;
  Geometry at;  // in the template, window 800 x 550
};

const Placed kControls[] = {
    {0x16010CABu, {8, 8, 30, 20}},     {0x16010CACu, {48, 8, 104, 20}},   {0x16010CADu, {176, 8, 20, 20}},
    {0x16010CAEu, {200, 8, 32, 20}},   {0x16010CAFu, {256, 8, 20, 20}},   {0x16010CB0u, {280, 8, 32, 20}},
    {0x16010CB1u, {329, 10, 295, 16}}, {0x16010CB2u, {640, 8, 20, 20}},   {0x16010CB3u, {672, 8, 32, 20}},
    {0x16010CB4u, {718, 8, 20, 20}},   {0x16010CB5u, {744, 8, 32, 20}},   {0x16010CB6u, {48, 32, 104, 144}},
    {0x16010CB7u, {175, 32, 601, 145}}, {0x16010CB9u, {16, 189, 88, 20}}, {0x16010CBAu, {106, 189, 176, 20}},
    {0x16010CBBu, {295, 189, 64, 20}}, {0x16010CBCu, {374, 189, 61, 20}}, {0x16010CBDu, {503, 189, 111, 20}},
    {0x16010CBEu, {639, 189, 137, 20}}, {0x16010CBFu, {16, 224, 760, 208}}, {0x16010CC1u, {17, 441, 536, 40}},
    {0x16010CC2u, {570, 441, 85, 40}}, {0x16010CC3u, {688, 441, 85, 40}},
};

int32_t scaled(int32_t windowSize, int32_t part, int32_t templateSize) {
  return static_cast<int32_t>(windowSize * (static_cast<double>(part) / templateSize));
}

Geometry expectedAt(const Geometry& t, int32_t width, int32_t height) {
  return {scaled(width, t.left, 800), scaled(height, t.top, 550), scaled(width, t.width, 800),
          scaled(height, t.height, 550)};
}

class Layout : public ReaderTest {
 protected:
  void resize(int width, int height) {
    SetWindowPos(unitWindow(0), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    pump();
  }
  void expectLaidOutFor(int32_t width, int32_t height) {
    for (const Placed& p : kControls) {
      const Geometry want = expectedAt(p.at, width, height);
      const Geometry got = geometry(p.unit);
      EXPECT_TRUE(got == want) << std::hex << p.unit << std::dec << ": " << got.left << "," << got.top << ","
                               << got.width << "," << got.height << " for " << width << "x" << height;
    }
  }
};

TEST_F(Layout, StartsAtTheTemplateGeometryUpToTruncation) {
  ASSERT_EQ(propertyInt(0, 2), 800);
  ASSERT_EQ(propertyInt(0, 3), 550);
  expectLaidOutFor(800, 550);
}

TEST_F(Layout, ResizingKeepsFractionsAndRestoringBringsTheTemplateBack) {
  resize(1000, 700);
  ASSERT_EQ(propertyInt(0, 2), 1000);
  expectLaidOutFor(1000, 700);
  resize(643, 517);
  expectLaidOutFor(643, 517);
  resize(800, 550);
  expectLaidOutFor(800, 550);
}

TEST_F(Layout, ScaledFontsFollowTheControlsWidths) {
  REQUIRE_COMPONENTS(kSearchBox, kResultList);
  const int32_t before = propertyInt(kSearchBox, 12, 5);
  const int32_t listBefore = propertyInt(kResultList, 12, 5);
  resize(1000, 700);
  // Font ratio = size / width at start-up; new size = truncated new width x ratio.
  const int32_t width = propertyInt(kSearchBox, 2);
  EXPECT_EQ(propertyInt(kSearchBox, 12, 5), static_cast<int32_t>(width * (before / 176.0)));
  EXPECT_GE(propertyInt(kResultList, 12, 5), listBefore);
}

TEST_F(Layout, DisplayModesMaximiseAndRestore) {
  chooseMenu(kFullScreenMode);
  EXPECT_TRUE(IsZoomed(unitWindow(0)));
  const int32_t width = propertyInt(0, 2);
  const int32_t height = propertyInt(0, 3);
  EXPECT_GT(width, 800);
  expectLaidOutFor(width, height);
  chooseMenu(kFullScreenMode);  // a second time changes nothing
  EXPECT_EQ(propertyInt(0, 2), width);
  chooseMenu(kNormalMode);
  EXPECT_FALSE(IsZoomed(unitWindow(0)));
  EXPECT_EQ(propertyInt(0, 2), 800);
  expectLaidOutFor(800, 550);
}

}  // namespace
