// The transparent label under Wine, over a coloured window: it paints only
// its text, and after a change or a move nothing of the old text remains.
#include <gtest/gtest.h>

#include <algorithm>

#include "component_pixels.h"
#include "runtime/extended/transparent_label_data.h"
#include "window_fixture.h"

namespace test {
namespace {

constexpr uint32_t kTransparentLabel = (kExtendedLibrary << 16) | 5;
constexpr uint32_t kUnit = 0x16010001u;  // componentId(1)
constexpr int32_t kOwn = 8;
constexpr COLORREF kBack = RGB(0, 128, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class TransparentLabelTest : public WindowTest {
 protected:
  HWND loadLabel(const lp::TransparentLabelData& data, int32_t height = 24) {
    lp::WindowData window;
    window.backColor = kBack;
    setWindow(window);
    addComponent(1, kTransparentLabel, data.write(), 0, lp::kStateVisible);
    template_.units.back().component.width = 160;
    template_.units.back().component.height = height;
    if (!load()) return nullptr;
    return unitWindow(kUnit);
  }

  static lp::TransparentLabelData yellow(const std::string& caption) {
    lp::TransparentLabelData d;
    d.caption = caption;
    d.textColor = kYellow;
    return d;
  }

  // The pixels of the window's client area under rectangle r (window client
  // coordinates) that are not the window's background colour.
  std::vector<POINT> marksIn(const RECT& r) {
    std::vector<POINT> out;
    for (const POINT& p : pixelsWhere(window(), [](COLORREF c) { return c != kBack; })) {
      if (PtInRect(&r, p)) out.push_back(p);
    }
    return out;
  }

  RECT placeOf(HWND label) {
    RECT r;
    GetWindowRect(label, &r);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

TEST_F(TransparentLabelTest, PaintsItsTextAndNoBackground) {
  HWND label = loadLabel(yellow("WWWWWW"));
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  // The text (smoothed into the green at its edges) covers only the left
  // part of the label; the rest shows the window through it.
  const std::vector<POINT> marks = pixelsWhere(label, [](COLORREF c) { return c != kBack; });
  ASSERT_FALSE(marks.empty());
  LONG right = 0;
  for (const POINT& p : marks) right = std::max(right, p.x);
  EXPECT_LT(right, 110);
  EXPECT_EQ(pixelAt(label, 159, 0), kBack);
}

TEST_F(TransparentLabelTest, CaptionChangeLeavesNoTraceOfTheOldText) {
  HWND label = loadLabel(yellow("WWWWWWWWWW"));
  ASSERT_NE(label, nullptr);
  const RECT area = placeOf(label);
  ASSERT_FALSE(marksIn(area).empty());
  writeText(kUnit, kOwn + lp::TransparentLabelData::kCaption, "");
  EXPECT_TRUE(marksIn(area).empty());
  writeText(kUnit, kOwn + lp::TransparentLabelData::kCaption, "i");
  const std::vector<POINT> now = marksIn(area);
  ASSERT_FALSE(now.empty());
  LONG right = 0;
  for (const POINT& p : now) right = std::max(right, p.x - area.left);
  EXPECT_LT(right, 20);  // only the new, short text
}

TEST_F(TransparentLabelTest, ColourChangeLeavesNoTraceOfTheOldColour) {
  HWND label = loadLabel(yellow("WWWWWWWWWW"));
  ASSERT_NE(label, nullptr);
  writeNumber(kUnit, kOwn + lp::TransparentLabelData::kTextColor, RGB(0, 0, 255));
  EXPECT_TRUE(pixelsWhere(label, [](COLORREF c) { return c == kYellow; }).empty());
  EXPECT_FALSE(pixelsWhere(label, [](COLORREF c) { return c == RGB(0, 0, 255); }).empty());
}

TEST_F(TransparentLabelTest, MovingRefreshesTheBackgroundItLeaves) {
  HWND label = loadLabel(yellow("WWWWWWWWWW"));
  ASSERT_NE(label, nullptr);
  const RECT before = placeOf(label);
  writeNumber(kUnit, 1 /* Top */, 200);
  const RECT after = placeOf(label);
  ASSERT_EQ(after.top, 200);
  EXPECT_TRUE(marksIn(before).empty());
  EXPECT_FALSE(marksIn(after).empty());
}

TEST_F(TransparentLabelTest, VerticalAlignBottomUnlessWrapped) {
  lp::TransparentLabelData d = yellow("Hi");
  d.verticalAlign = 2;
  HWND label = loadLabel(d, 80);
  ASSERT_NE(label, nullptr);
  const auto lowest = [&] {
    int y = -1;
    for (const POINT& p : pixelsWhere(label, [](COLORREF c) { return c == kYellow; })) y = std::max<int>(y, p.y);
    return y;
  };
  EXPECT_GT(lowest(), 60);
  writeNumber(kUnit, kOwn + lp::TransparentLabelData::kWordWrap, 1);
  const int wrapped = lowest();
  EXPECT_GE(wrapped, 0);
  EXPECT_LT(wrapped, 30);
}

TEST_F(TransparentLabelTest, FontsOfOtherLengthsThanSixtyBytesDrawInTheDefaultGuiFont) {
  const auto yellowCount = [](HWND label) {
    return pixelsWhere(label, [](COLORREF c) { return c == kYellow; }).size();
  };
  HWND label = loadLabel(yellow("WWWW"), 60);
  ASSERT_NE(label, nullptr);
  const size_t plain = yellowCount(label);
  DestroyWindow(window());
  pump();
  std::vector<uint8_t> font = fontBuffer(40, "Tahoma");
  font.push_back(0);
  template_ = lp::WindowTemplate{};
  template_.id = kWindowId;
  lp::TransparentLabelData d = yellow("WWWW");
  d.font = font;
  label = loadLabel(d, 60);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(yellowCount(label), plain);
}

}  // namespace
}  // namespace test
