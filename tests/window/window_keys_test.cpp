// The window's keyboard rules under Wine: Tab order, Enter, Esc and Alt
// mnemonics, driven through the runtime's message pump.
#include "tests/support/fake_components.h"
#include "tests/support/window_fixture.h"

namespace test {
namespace {

class WindowKeys : public WindowTest {};

TEST_F(WindowKeys, TabFollowsTabOrderAndWrapsAroundBothWays) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeButton, fakeBlock(0, "one"), 2);
  addComponent(2, kFakeButton, fakeBlock(0, "two"), 1);
  addComponent(3, kFakeButton, fakeBlock(0, "three"), 3);
  addComponent(4, kFakeButton, fakeBlock(0, "not a tab stop"), 0, lp::kStateVisible);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), unitWindow(componentId(3)));
  key(GetFocus(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), unitWindow(componentId(2))) << "wraps from the last to the first";
  key(GetFocus(), WM_KEYDOWN, VK_TAB, /*shift=*/true);
  EXPECT_EQ(GetFocus(), unitWindow(componentId(3))) << "Shift+Tab wraps from the first to the last";
  // A key the form consumed raises no key event.
  EXPECT_FALSE(raised(componentId(2), -9));
}

TEST_F(WindowKeys, TabSkipsHiddenAndDisabledComponents) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeButton, fakeBlock(0, "a"), 1);
  addComponent(2, kFakeButton, fakeBlock(0, "hidden"), 2, lp::kStateTabStop);
  addComponent(3, kFakeButton, fakeBlock(0, "disabled"), 3, lp::kStateVisible | lp::kStateTabStop | lp::kStateDisabled);
  addComponent(4, kFakeButton, fakeBlock(0, "b"), 4);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), unitWindow(componentId(4)));
}

TEST_F(WindowKeys, EnterClicksTheDefaultButtonFromAnotherComponent) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeEdit, fakeBlock(0, ""), 1);
  addComponent(2, kFakeButton, fakeBlock(0, "plain"), 2);
  addComponent(3, kFakeButton, fakeBlock(kFakeDefault, "default"), 3);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(raised(componentId(3), 0));
  EXPECT_FALSE(raised(componentId(2), 0));
}

TEST_F(WindowKeys, EnterMovesTheFocusWhenTheWindowAsksForIt) {
  lp::WindowData data;
  data.enterMovesFocus = true;
  setWindow(data);
  addComponent(1, kFakeEdit, fakeBlock(0, ""), 1);
  addComponent(2, kFakeButton, fakeBlock(kFakeDefault, "default"), 2);
  addComponent(3, kFakeEdit, fakeBlock(0, ""), 3);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(GetFocus(), unitWindow(componentId(2)));
  EXPECT_FALSE(raised(componentId(2), 0));
  // On the default button itself, Enter clicks it.
  key(GetFocus(), WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(raised(componentId(2), 0));
}

TEST_F(WindowKeys, EnterWantedByTheFocusedComponentIsLeftToIt) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeEdit, fakeBlock(kFakeWantsEnter, ""), 1);
  addComponent(2, kFakeButton, fakeBlock(kFakeDefault, "default"), 2);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_RETURN);
  EXPECT_FALSE(raised(componentId(2), 0));
  EXPECT_TRUE(raised(componentId(1), -9)) << "the key goes on to the component's key event";
}

TEST_F(WindowKeys, EscClosesOnlyWithEscCloses) {
  lp::WindowData keep;
  keep.escCloses = false;
  setWindow(keep);
  addComponent(1, kFakeButton, fakeBlock(0, "a"), 1);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_NE(window(), nullptr);
  EXPECT_FALSE(raised(kOwnUnit, 1));
  DestroyWindow(window());
  pump();

  template_ = lp::WindowTemplate{};
  template_.id = kWindowId;
  setWindow(lp::WindowData());
  addComponent(1, kFakeButton, fakeBlock(0, "a"), 1);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_TRUE(raised(kOwnUnit, 1));
  EXPECT_EQ(window(), nullptr);
}

TEST_F(WindowKeys, AltLetterClicksTheButtonWhoseCaptionMarksIt) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeButton, fakeBlock(0, "&Open"), 1);
  addComponent(2, kFakeButton, fakeBlock(0, "&save"), 2);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_SYSKEYDOWN, 'S', false, /*alt=*/true);
  EXPECT_TRUE(raised(componentId(2), 0));
  EXPECT_FALSE(raised(componentId(1), 0));
}

TEST_F(WindowKeys, AltLetterOfALabelMovesTheFocusPastIt) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeButton, fakeBlock(0, "first"), 1);
  addComponent(2, kFakeLabel, fakeBlock(0, "&Name"), 2, lp::kStateVisible);
  addComponent(3, kFakeEdit, fakeBlock(0, ""), 2);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(1)));
  key(GetFocus(), WM_SYSKEYDOWN, 'N', false, true);
  EXPECT_EQ(GetFocus(), unitWindow(componentId(3)));
}

}  // namespace
}  // namespace test
