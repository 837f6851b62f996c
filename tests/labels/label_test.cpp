// The label under Wine: gradients, the gradient frame, the background, word
// wrap and alignment read back as pixels; property writes; message 0x8075.
#include <gtest/gtest.h>

#include <algorithm>

#include "component_pixels.h"
#include "runtime/core/entry_services.h"
#include "runtime/components/label_data.h"
#include "window_fixture.h"

namespace test {
namespace {

constexpr uint32_t kLabel = 0x0001000Au;
constexpr uint32_t kUnit = 0x16010001u;  // componentId(1)
constexpr int32_t kOwn = 8;              // own properties follow the fixed eight

class LabelTest : public WindowTest {
 protected:
  // Loads a window holding one label of the given size.
  HWND loadLabel(const lp::LabelData& data, int32_t width = 120, int32_t height = 24) {
    setWindow(lp::WindowData());
    addComponent(1, kLabel, data.write(), 0, lp::kStateVisible);
    template_.units.back().component.width = width;
    template_.units.back().component.height = height;
    if (!load()) return nullptr;
    return unitWindow(kUnit);
  }

  static lp::LabelData plain(COLORREF back) {
    lp::LabelData d;
    d.caption.clear();
    d.backColor = back;
    return d;
  }
};

TEST_F(LabelTest, HorizontalGradientOverAHundredPixelsIsHalfWayAtFifty) {
  lp::LabelData d = plain(RGB(0, 0, 0));
  d.gradientMode = 2;
  d.gradientColor1 = RGB(10, 201, 33);
  d.gradientColor2 = RGB(255, 0, 100);
  d.gradientColor3 = lp::kClrDefault;
  HWND label = loadLabel(d, 100, 30);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(pixelAt(label, 0, 15), RGB(10, 201, 33));
  EXPECT_EQ(pixelAt(label, 50, 15), RGB(132, 101, 66));
  // In the second tile of 50 pixels: three quarters of the way.
  EXPECT_EQ(pixelAt(label, 75, 29), RGB(193, 51, 83));
}

TEST_F(LabelTest, GradientNeedsTwoColoursElseTheBackColourFills) {
  lp::LabelData d = plain(RGB(1, 2, 3));
  d.gradientMode = 1;
  d.gradientColor1 = RGB(200, 0, 0);
  d.gradientColor2 = lp::kClrDefault;
  d.gradientColor3 = lp::kClrDefault;
  HWND label = loadLabel(d);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(pixelAt(label, 60, 0), RGB(1, 2, 3));
  writeNumber(kUnit, kOwn + lp::LabelData::kGradientColor3, RGB(0, 0, 200));
  EXPECT_EQ(pixelAt(label, 60, 0), RGB(200, 0, 0));
  EXPECT_EQ(pixelAt(label, 60, 12), RGB(100, 0, 100));  // half way down 24 rows
  EXPECT_EQ(pixelAt(label, 60, 23), RGB(9, 0, 191));
}

TEST_F(LabelTest, EmptyCaptionPaintsOnlyTheBackground) {
  HWND label = loadLabel(plain(RGB(200, 100, 50)));
  ASSERT_NE(label, nullptr);
  const auto other = [](COLORREF c) { return c != RGB(200, 100, 50); };
  EXPECT_TRUE(pixelsWhere(label, other).empty());
  writeText(kUnit, kOwn + lp::LabelData::kCaption, "WWW");
  EXPECT_FALSE(pixelsWhere(label, other).empty());
}

TEST_F(LabelTest, FrameWithOneColourIsNotDrawnAndKeepsTheWholeClientArea) {
  lp::LabelData d = plain(RGB(255, 255, 255));
  d.caption = "HHHH";
  d.border = 6;
  d.gradientBorderWidth = 8;
  d.gradientBorderColor1 = RGB(255, 0, 0);
  d.gradientBorderColor2 = lp::kClrDefault;
  d.gradientBorderColor3 = lp::kClrDefault;
  HWND label = loadLabel(d, 120, 60);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(pixelAt(label, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(pixelAt(label, 2, 5), RGB(255, 255, 255));
  const auto leftmost = [&] {
    std::vector<POINT> text = pixelsWhere(label, isDark);
    int x = 1000;
    for (const POINT& p : text) x = std::min<int>(x, p.x);
    return x;
  };
  EXPECT_LT(leftmost(), 8);  // the left-aligned text starts at the edge

  // With a second colour the frame appears and the text moves inside it.
  writeNumber(kUnit, kOwn + lp::LabelData::kGradientBorderColor2, RGB(0, 255, 0));
  EXPECT_NE(pixelAt(label, 2, 5), RGB(255, 255, 255));
  EXPECT_EQ(pixelAt(label, 0, 30), RGB(255, 0, 0));  // the outer edge has the first colour
  EXPECT_EQ(pixelAt(label, 60, 30), RGB(255, 255, 255));
  EXPECT_GE(leftmost(), 8);
}

TEST_F(LabelTest, FrameWidthIsLimitedToHalfTheLabel) {
  lp::LabelData d = plain(RGB(255, 255, 255));
  d.border = 6;
  d.gradientBorderWidth = 40;
  d.gradientBorderColor1 = RGB(255, 0, 0);
  d.gradientBorderColor2 = RGB(0, 0, 255);
  d.gradientBorderColor3 = lp::kClrDefault;
  HWND label = loadLabel(d, 120, 30);
  ASSERT_NE(label, nullptr);
  // A 15-pixel frame covers the 30-pixel height: nothing of the back colour.
  EXPECT_TRUE(pixelsWhere(label, [](COLORREF c) { return c == RGB(255, 255, 255); }).empty());
}

TEST_F(LabelTest, BackPictureModesPlaceThePictureAndFillTheRestWithTheBackColour) {
  const COLORREF red = RGB(255, 0, 0), white = RGB(255, 255, 255);
  lp::LabelData d = plain(white);
  d.backPicture = bmpFile(10, 8, red);
  d.pictureMode = 0;
  HWND label = loadLabel(d);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(pixelAt(label, 5, 4), red);
  EXPECT_EQ(pixelAt(label, 15, 4), white);
  writeNumber(kUnit, kOwn + lp::LabelData::kPictureMode, 1);  // tiled over everything
  EXPECT_EQ(pixelAt(label, 115, 20), red);
  writeNumber(kUnit, kOwn + lp::LabelData::kPictureMode, 2);  // centred at (55, 8)
  EXPECT_EQ(pixelAt(label, 60, 12), red);
  EXPECT_EQ(pixelAt(label, 5, 4), white);
  // Larger than the label: shrunk to 120 x 6 keeping its proportions.
  writeBytes(kUnit, kOwn + lp::LabelData::kBackPicture, bmpFile(240, 12, red));
  EXPECT_EQ(pixelAt(label, 0, 10), red);
  EXPECT_EQ(pixelAt(label, 0, 2), white);
  // Bytes that do not decode: painted without a picture.
  writeBytes(kUnit, kOwn + lp::LabelData::kBackPicture, {1, 2, 3, 4});
  EXPECT_EQ(pixelAt(label, 60, 12), white);
}

TEST_F(LabelTest, GradientBorderWidthBelowFiveIsStoredAsFive) {
  ASSERT_NE(loadLabel(plain(RGB(0, 0, 0))), nullptr);
  writeNumber(kUnit, kOwn + lp::LabelData::kGradientBorderWidth, 3);
  EXPECT_EQ(readNumber(kUnit, kOwn + lp::LabelData::kGradientBorderWidth), 5u);
  writeNumber(kUnit, kOwn + lp::LabelData::kGradientBorderWidth, 7);
  EXPECT_EQ(readNumber(kUnit, kOwn + lp::LabelData::kGradientBorderWidth), 7u);
  writeNumber(kUnit, kOwn + lp::LabelData::kGradientMode, 12);
  EXPECT_EQ(readNumber(kUnit, kOwn + lp::LabelData::kGradientMode), 8u);
}

TEST_F(LabelTest, WordWrapStartsAtTheTopWhateverVerticalAlignSays) {
  lp::LabelData d = plain(RGB(255, 255, 255));
  d.caption = "Hi";
  d.verticalAlign = 2;
  HWND label = loadLabel(d, 120, 80);
  ASSERT_NE(label, nullptr);
  const auto lowest = [&] {
    int y = -1;
    for (const POINT& p : pixelsWhere(label, isDark)) y = std::max<int>(y, p.y);
    return y;
  };
  EXPECT_GT(lowest(), 60);  // one line at the bottom
  writeNumber(kUnit, kOwn + lp::LabelData::kWordWrap, 1);
  const int wrapped = lowest();
  EXPECT_GE(wrapped, 0);
  EXPECT_LT(wrapped, 30);
}

TEST_F(LabelTest, TemplateFontsOfOtherLengthsThanSixtyBytesDrawInTheDefaultGuiFont) {
  lp::LabelData d = plain(RGB(255, 255, 255));
  d.caption = "WWWW";
  HWND label = loadLabel(d, 200, 60);
  ASSERT_NE(label, nullptr);
  const size_t plainCount = pixelsWhere(label, isDark).size();
  DestroyWindow(window());
  pump();

  const std::vector<uint8_t> big = fontBuffer(40, "Tahoma");
  for (size_t length : {big.size() - 1, big.size() + 1}) {
    template_ = lp::WindowTemplate{};
    template_.id = kWindowId;
    lp::LabelData withFont = d;
    withFont.font = big;
    withFont.font.resize(length);
    label = loadLabel(withFont, 200, 60);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(pixelsWhere(label, isDark).size(), plainCount) << length;
    DestroyWindow(window());
    pump();
  }
  // The 60-byte record itself is used.
  template_ = lp::WindowTemplate{};
  template_.id = kWindowId;
  d.font = big;
  label = loadLabel(d, 200, 60);
  ASSERT_NE(label, nullptr);
  EXPECT_GT(pixelsWhere(label, isDark).size(), plainCount * 2);
}

TEST_F(LabelTest, MessageRaisesEventZeroWithItsArgumentsAndReturnsTheResult) {
  HWND label = loadLabel(plain(RGB(0, 0, 0)));
  ASSERT_NE(label, nullptr);
  eventLog().clear();
  EXPECT_EQ(SendMessageW(label, 0x8075, 5, 0x12345678), 0);
  ASSERT_EQ(eventsOf(kUnit).size(), 1u);
  EXPECT_EQ(eventsOf(kUnit)[0].event, 0);
  EXPECT_EQ(eventsOf(kUnit)[0].args, (std::vector<uint64_t>{5, 0x12345678}));
  handlerResults()[{kUnit, 0}] = 77;
  EXPECT_EQ(SendMessageW(label, 0x8075, 1, 2), 77);
}

TEST_F(LabelTest, DataBindingNamesAreStoredAndReadBack) {
  ASSERT_NE(loadLabel(plain(RGB(0, 0, 0))), nullptr);
  writeText(kUnit, kOwn + lp::LabelData::kDataSource, "source");
  writeText(kUnit, kOwn + lp::LabelData::kDataColumn, "column");
  const auto text = [](int32_t property) {
    const uint64_t word = lp_entry_services.readProperty(kWindowId, kUnit, property, -1);
    auto* p = reinterpret_cast<char*>(static_cast<uintptr_t>(word));
    std::string s = p ? p : "";
    lp_entry_services.free(p);
    return s;
  };
  EXPECT_EQ(text(kOwn + lp::LabelData::kDataSource), "source");
  EXPECT_EQ(text(kOwn + lp::LabelData::kDataColumn), "column");
}

}  // namespace
}  // namespace test
