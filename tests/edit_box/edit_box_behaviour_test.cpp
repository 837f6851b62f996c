// Edit boxes on a loaded window: input modes, the adjuster, events,
// selection properties, Enter and re-creation.
#include <windows.h>
#include <commctrl.h>

#include "edit_box_support.h"

namespace test {
namespace {

using lp::EditBoxData;

class EditBoxBehaviour : public EditBoxTest {};

EditBoxData inMode(int32_t mode) {
  EditBoxData d;
  d.inputMode = mode;
  return d;
}

TEST_F(EditBoxBehaviour, ByteModeFiltersTypingAndNormalisesOnLosingTheFocus) {
  setWindow(lp::WindowData());
  addBox(1, inMode(EditBoxData::kByteInput));
  addBox(2, EditBoxData());
  ASSERT_TRUE(load());
  SetFocus(box(1));
  type("3a0-0");
  EXPECT_EQ(text(1), "300");
  SetFocus(box(2));
  pump();
  EXPECT_EQ(text(1), "255");
  ASSERT_TRUE(raised(componentId(1), -8));
  EXPECT_TRUE(raised(componentId(1), -7));

  SetWindowTextW(box(1), L"-5");
  SetFocus(box(1));
  SetFocus(box(2));
  pump();
  EXPECT_EQ(text(1), "");
}

TEST_F(EditBoxBehaviour, IntegerTextModeKeepsMinusAndDigitsAndNothingElse) {
  setWindow(lp::WindowData());
  addBox(1, inMode(EditBoxData::kIntegerTextInput));
  addBox(2, EditBoxData());
  ASSERT_TRUE(load());
  SetFocus(box(1));
  type("-1x.2 a");
  EXPECT_EQ(text(1), "-12");
  type("\b");
  EXPECT_EQ(text(1), "-1");
  SetFocus(box(2));
  pump();
  EXPECT_EQ(text(1), "-1") << "no normalisation in this mode";
}

TEST_F(EditBoxBehaviour, InputModeWritesSwitchPasswordAndReadOnlyAtOnce) {
  setWindow(lp::WindowData());
  addBox(1, EditBoxData());
  ASSERT_TRUE(load());
  writeNumber(1, EditBoxData::kInputMode, EditBoxData::kPasswordInput);
  EXPECT_EQ(SendMessageW(box(1), EM_GETPASSWORDCHAR, 0, 0), '*');
  writeText(1, EditBoxData::kPasswordChar, "#x");
  EXPECT_EQ(SendMessageW(box(1), EM_GETPASSWORDCHAR, 0, 0), '#');
  EXPECT_EQ(readText(1, EditBoxData::kPasswordChar), "#");
  writeNumber(1, EditBoxData::kInputMode, EditBoxData::kReadOnlyInput);
  EXPECT_EQ(SendMessageW(box(1), EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & ES_READONLY);
  writeNumber(1, EditBoxData::kInputMode, 99);
  EXPECT_EQ(readNumber(1, EditBoxData::kInputMode), 11) << "clamped";
  EXPECT_FALSE(GetWindowLongW(box(1), GWL_STYLE) & ES_READONLY);
}

TEST_F(EditBoxBehaviour, ContentWriteRaisesTheChangeEventExactlyOnce) {
  setWindow(lp::WindowData());
  addBox(1, EditBoxData());
  ASSERT_TRUE(load());
  eventLog().clear();
  writeText(1, EditBoxData::kContent, "\xC4\xDA\xC8\xDD");  // 内容
  pump();
  EXPECT_EQ(count(1, 0), 1);
  EXPECT_EQ(readText(1, EditBoxData::kContent), "\xC4\xDA\xC8\xDD");
  EXPECT_EQ(text(1), "\xC4\xDA\xC8\xDD");
  // Typing raises it once per change.
  SetFocus(box(1));
  type("ab");
  EXPECT_EQ(count(1, 0), 3);
}

TEST_F(EditBoxBehaviour, SelectionPropertiesWorkFromTheStoredValues) {
  setWindow(lp::WindowData());
  addBox(1, EditBoxData());
  ASSERT_TRUE(load());
  writeText(1, EditBoxData::kContent, "Hello world");
  writeNumber(1, EditBoxData::kSelStart, -1);
  DWORD start = 0, end = 0;
  SendMessageW(box(1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 11u);
  EXPECT_EQ(end, 11u);
  writeNumber(1, EditBoxData::kSelLength, -1);
  EXPECT_EQ(readNumber(1, EditBoxData::kSelStart), 0);
  EXPECT_EQ(readNumber(1, EditBoxData::kSelLength), 11);
  EXPECT_EQ(readText(1, EditBoxData::kSelectedText), "Hello world");

  writeNumber(1, EditBoxData::kSelLength, 3);
  SendMessageW(box(1), EM_SETSEL, 1, 2);  // the user's own selection does not count
  writeNumber(1, EditBoxData::kSelStart, 5);
  EXPECT_EQ(readNumber(1, EditBoxData::kSelStart), 5);
  EXPECT_EQ(readNumber(1, EditBoxData::kSelLength), 3);
  EXPECT_EQ(readText(1, EditBoxData::kSelectedText), " wo");
  writeText(1, EditBoxData::kSelectedText, "XY");
  EXPECT_EQ(text(1), "HelloXYrld");

  writeNumber(1, EditBoxData::kSelStart, -20);
  EXPECT_EQ(readNumber(1, EditBoxData::kSelStart), 0);
}

TEST_F(EditBoxBehaviour, EnterMakesANewLineOnlyInAnEditableMultiLineBox) {
  lp::WindowData window;
  window.enterMovesFocus = true;
  setWindow(window);
  EditBoxData multi;
  multi.multiLine = true;
  multi.scrollBars = 2;
  addBox(1, multi, 120, 60);
  multi.inputMode = EditBoxData::kReadOnlyInput;
  addBox(2, multi, 120, 60);
  addBox(3, EditBoxData());
  ASSERT_TRUE(load());
  SetFocus(box(1));
  writeText(1, EditBoxData::kContent, "a");
  writeNumber(1, EditBoxData::kSelStart, -1);
  key(box(1), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(GetFocus(), box(1));
  EXPECT_EQ(text(1), "a\r\n");

  SetFocus(box(2));
  key(box(2), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(GetFocus(), box(3)) << "the window's Enter handling moved the focus";
  EXPECT_EQ(text(2), "");
}

TEST_F(EditBoxBehaviour, CreationStylesRebuildTheBoxAndKeepItsText) {
  setWindow(lp::WindowData());
  addBox(1, EditBoxData());
  ASSERT_TRUE(load());
  SetWindowTextW(box(1), L"typed");
  HWND before = box(1);
  writeNumber(1, EditBoxData::kMultiLine, 1);
  ASSERT_NE(box(1), before);
  EXPECT_EQ(text(1), "typed");
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & ES_MULTILINE);
  EXPECT_TRUE(IsWindowVisible(box(1)));

  before = box(1);
  writeNumber(1, EditBoxData::kMultiLine, 1);
  writeNumber(1, EditBoxData::kHideSelection, 1);
  EXPECT_EQ(box(1), before) << "unchanged values do not rebuild";

  writeNumber(1, EditBoxData::kAlignment, 7);
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & ES_RIGHT) << "clamped to 2";
  writeNumber(1, EditBoxData::kHideSelection, 0);
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & ES_NOHIDESEL);
  writeNumber(1, EditBoxData::kScrollBars, 3);
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & WS_HSCROLL);
  EXPECT_EQ(text(1), "typed");
  writeNumber(1, EditBoxData::kCaseConversion, 2);
  EXPECT_TRUE(GetWindowLongW(box(1), GWL_STYLE) & ES_UPPERCASE);
  EXPECT_EQ(text(1), "TYPED") << "the rebuilt box converts the text it takes";
}

TEST_F(EditBoxBehaviour, MaxLengthLimitsTypingAndNegativeMeansNoLimit) {
  setWindow(lp::WindowData());
  EditBoxData d;
  d.maxLength = 4;
  addBox(1, d);
  ASSERT_TRUE(load());
  SetFocus(box(1));
  type("123456");
  EXPECT_EQ(text(1), "1234");
  writeNumber(1, EditBoxData::kMaxLength, -3);
  EXPECT_EQ(readNumber(1, EditBoxData::kMaxLength), 0);
  type("56");
  EXPECT_EQ(text(1), "123456");
}

// The adjuster ---------------------------------------------------------------

class EditBoxAdjuster : public EditBoxTest {
 protected:
  HWND adjuster(uint32_t n) const { return GetDlgItem(window(), GetDlgCtrlID(box(n)) + 4); }

  void click(uint32_t n, bool up) {
    HWND a = adjuster(n);
    RECT r;
    GetClientRect(a, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? 2 : r.bottom - 3);
    SendMessageW(a, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(a, WM_LBUTTONUP, 0, at);
    pump();
  }

  EditBoxData withAdjuster(int32_t kind, int32_t min, int32_t max) {
    EditBoxData d;
    d.adjuster = kind;
    d.adjusterMin = min;
    d.adjusterMax = max;
    return d;
  }
};

TEST_F(EditBoxAdjuster, AutomaticStepsWrapAtTheRangeEnds) {
  setWindow(lp::WindowData());
  addBox(1, withAdjuster(EditBoxData::kAutomaticAdjuster, 1, 10));
  ASSERT_TRUE(load());
  ASSERT_NE(adjuster(1), nullptr);
  SetWindowTextW(box(1), L"10");
  click(1, true);
  EXPECT_EQ(text(1), "1");
  EXPECT_EQ(GetFocus(), box(1));
  click(1, false);
  EXPECT_EQ(text(1), "10");
  click(1, false);
  EXPECT_EQ(text(1), "9");
  EXPECT_FALSE(raised(componentId(1), 1));
}

TEST_F(EditBoxAdjuster, ManualReportsTheDirectionAndLeavesTheText) {
  setWindow(lp::WindowData());
  addBox(1, withAdjuster(EditBoxData::kManualAdjuster, 0, 100));
  ASSERT_TRUE(load());
  SetWindowTextW(box(1), L"7");
  eventLog().clear();
  click(1, true);
  click(1, false);
  const std::vector<LoggedEvent> events = eventsOf(componentId(1));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].event, 1);
  EXPECT_EQ(static_cast<int32_t>(events[0].args.at(0)), 1);
  EXPECT_EQ(static_cast<int32_t>(events[1].args.at(0)), -1);
  EXPECT_EQ(text(1), "7");
  // A disabled box ignores the clicks.
  EnableWindow(box(1), FALSE);
  EXPECT_FALSE(IsWindowEnabled(adjuster(1)));
  EnableWindow(adjuster(1), TRUE);
  click(1, true);
  EXPECT_EQ(count(1, 1), 2);
}

TEST_F(EditBoxAdjuster, RangeIsPutInOrderAndFollowsTheProperties) {
  setWindow(lp::WindowData());
  addBox(1, withAdjuster(EditBoxData::kAutomaticAdjuster, 50, 10));
  ASSERT_TRUE(load());
  int32_t lower = 0, upper = 0;
  SendMessageW(adjuster(1), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
  EXPECT_EQ(lower, 10);
  EXPECT_EQ(upper, 50);
  writeNumber(1, EditBoxData::kAdjusterMax, 100000);
  SendMessageW(adjuster(1), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
  EXPECT_EQ(lower, 50);
  EXPECT_EQ(upper, 100000);
  SetWindowTextW(box(1), L"100000");
  click(1, true);
  EXPECT_EQ(text(1), "50");
}

TEST_F(EditBoxAdjuster, StaysBesideTheBox) {
  setWindow(lp::WindowData());
  addBox(1, withAdjuster(EditBoxData::kAutomaticAdjuster, 0, 9));
  ASSERT_TRUE(load());
  auto rectOf = [this](HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  EXPECT_TRUE(IsWindowVisible(adjuster(1)));
  EXPECT_TRUE(GetWindowLongW(adjuster(1), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  MoveWindow(box(1), 30, 40, 90, 30, TRUE);
  RECT b = rectOf(box(1)), a = rectOf(adjuster(1));
  EXPECT_EQ(a.left, b.right);
  EXPECT_EQ(a.right - a.left, 18);
  EXPECT_EQ(a.top, b.top);
  EXPECT_EQ(a.bottom, b.bottom);
  ShowWindow(box(1), SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(adjuster(1)));
  ShowWindow(box(1), SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(adjuster(1)));
  writeNumber(1, EditBoxData::kBorder, 2);
  EXPECT_FALSE(GetWindowLongW(adjuster(1), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  // Re-created without an adjuster, the box leaves none behind.
  writeNumber(1, EditBoxData::kAdjuster, EditBoxData::kNoAdjuster);
  EXPECT_EQ(adjuster(1), nullptr);
}

}  // namespace
}  // namespace test
