// The button under Wine: its styles, picture and font from the template,
// the click, focus and default-button events, and its property writes.
#include <gtest/gtest.h>

#include "component_pixels.h"
#include "runtime/components/button_data.h"
#include "runtime/core/component_type.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/window_registry.h"
#include "window_fixture.h"

namespace test {
namespace {

constexpr uint32_t kButton = 0x0001000Bu;
constexpr int32_t kOwn = 8;

class ButtonTest : public WindowTest {
 protected:
  HWND loadButtons(const std::vector<lp::ButtonData>& buttons) {
    setWindow(lp::WindowData());
    for (size_t i = 0; i < buttons.size(); ++i)
      addComponent(static_cast<uint32_t>(i + 1), kButton, buttons[i].write(), static_cast<int32_t>(i));
    if (!load()) return nullptr;
    return unitWindow(componentId(1));
  }
  static LONG_PTR style(HWND w) { return GetWindowLongPtrW(w, GWL_STYLE); }
  // What the window asks before it clicks a button for Enter.
  static int32_t isDefault(uint32_t unit) {
    auto fn = lp::componentEntry<lp::IsDefaultButtonFn>(lp::componentType(kButton), lp::kEntryIsDefaultButton);
    lp::WindowRecord* record = lp::findWindow(kWindowId);
    lp::ComponentObject* object = record ? lp::liveObject(*record, lp::findUnit(*record, unit)) : nullptr;
    return fn && object ? fn(object) : -1;
  }
};

TEST_F(ButtonTest, StylesComeFromTypeAndAlignments) {
  lp::ButtonData d;
  d.buttonType = lp::ButtonData::kDefaultButton;
  d.horizontalAlign = 0;
  d.verticalAlign = 2;
  HWND button = loadButtons({d});
  ASSERT_NE(button, nullptr);
  const LONG_PTR s = style(button);
  EXPECT_EQ(s & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(s & (BS_LEFT | BS_RIGHT), BS_LEFT);
  EXPECT_EQ(s & (BS_TOP | BS_BOTTOM), BS_BOTTOM);
  EXPECT_TRUE(s & BS_MULTILINE);
  EXPECT_TRUE(s & WS_TABSTOP);
  EXPECT_EQ(isDefault(componentId(1)), 1);

  writeNumber(componentId(1), kOwn + lp::ButtonData::kHorizontalAlign, 2);
  writeNumber(componentId(1), kOwn + lp::ButtonData::kVerticalAlign, 0);
  writeNumber(componentId(1), kOwn + lp::ButtonData::kButtonType, 0);
  EXPECT_EQ(unitWindow(componentId(1)), button);  // all applied in place
  EXPECT_EQ(style(button) & (BS_LEFT | BS_RIGHT), BS_RIGHT);
  EXPECT_EQ(style(button) & (BS_TOP | BS_BOTTOM), BS_TOP);
  EXPECT_EQ(style(button) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(isDefault(componentId(1)), 0);
  writeNumber(componentId(1), kOwn + lp::ButtonData::kButtonType, 9);  // clamped to 1
  EXPECT_EQ(readNumber(componentId(1), kOwn + lp::ButtonData::kButtonType), 1u);
  EXPECT_EQ(isDefault(componentId(1)), 1);
}

TEST_F(ButtonTest, ClickAndFocusRaiseTheirEvents) {
  HWND button = loadButtons({lp::ButtonData(), lp::ButtonData()});
  ASSERT_NE(button, nullptr);
  SetFocus(unitWindow(componentId(2)));
  pump();
  eventLog().clear();
  SendMessageW(button, BM_CLICK, 0, 0);
  pump();
  EXPECT_TRUE(raised(componentId(1), 0));
  EXPECT_FALSE(raised(componentId(2), 0));
  EXPECT_TRUE(raised(componentId(1), -7));
  EXPECT_TRUE(raised(componentId(2), -8));
}

TEST_F(ButtonTest, EnterClicksTheDefaultButton) {
  lp::ButtonData normal, preferred;
  preferred.buttonType = lp::ButtonData::kDefaultButton;
  HWND first = loadButtons({normal, preferred});
  ASSERT_NE(first, nullptr);
  SetFocus(first);
  pump();
  eventLog().clear();
  key(first, WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(raised(componentId(2), 0));
  EXPECT_FALSE(raised(componentId(1), 0));

  // No longer the default button: Enter clicks nothing.
  writeNumber(componentId(2), kOwn + lp::ButtonData::kButtonType, 0);
  eventLog().clear();
  key(first, WM_KEYDOWN, VK_RETURN);
  EXPECT_FALSE(raised(componentId(2), 0));
}

TEST_F(ButtonTest, PictureDecidesTheKindAndAChangeRebuildsTheButton) {
  lp::ButtonData d;
  d.picture = bmpFile(4, 3, RGB(255, 0, 0));
  HWND button = loadButtons({d});
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(style(button) & BS_BITMAP);
  EXPECT_NE(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);

  // The same picture again changes nothing; another one rebuilds the button.
  writeBytes(componentId(1), kOwn + lp::ButtonData::kPicture, d.picture);
  EXPECT_EQ(unitWindow(componentId(1)), button);
  writeBytes(componentId(1), kOwn + lp::ButtonData::kPicture, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
  HWND rebuilt = unitWindow(componentId(1));
  ASSERT_NE(rebuilt, nullptr);
  EXPECT_NE(rebuilt, button);
  EXPECT_FALSE(IsWindow(button));
  // Bytes that do not decode leave a text button.
  EXPECT_FALSE(style(rebuilt) & (BS_BITMAP | BS_ICON));
  EXPECT_TRUE(IsWindowVisible(rebuilt));
}

TEST_F(ButtonTest, FontsOfOtherLengthsThanSixtyBytesAreTheDefaultGuiFont) {
  const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  std::vector<lp::ButtonData> buttons(3);
  buttons[0].font = fontBuffer(20, "Tahoma");
  buttons[1].font = buttons[0].font;
  buttons[1].font.pop_back();
  buttons[2].font = buttons[0].font;
  buttons[2].font.push_back(0);
  ASSERT_NE(loadButtons(buttons), nullptr);
  const auto fontOf = [&](uint32_t n) {
    return reinterpret_cast<HFONT>(SendMessageW(unitWindow(componentId(n)), WM_GETFONT, 0, 0));
  };
  EXPECT_NE(fontOf(1), gui);
  EXPECT_EQ(fontOf(2), gui);
  EXPECT_EQ(fontOf(3), gui);
  LOGFONTW used = {};
  GetObjectW(fontOf(1), sizeof used, &used);
  EXPECT_EQ(used.lfHeight, -20);
}

}  // namespace
}  // namespace test
