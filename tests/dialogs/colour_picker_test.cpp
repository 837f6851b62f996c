// The colour picker on a real form: the button, the palette driven with
// keys and mouse messages, the system colour dialog, the notifications to
// the form and event 0.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "runtime/components/color_picker_data.h"
#include "runtime/core/component_type.h"
#include "runtime/core/gbk.h"
#include "runtime/core/window_registry.h"
#include "runtime/extended/colour_palette.h"
#include "runtime/extended/colour_palette_table.h"
#include "runtime/extended/colour_picker.h"
#include "tests/dialogs/modal_dialog_closer.h"
#include "tests/support/fake_components.h"
#include "tests/support/window_fixture.h"

namespace test {
namespace {

constexpr uint32_t kColourPickerType = 0x0001001Cu;
constexpr uint32_t kTransparent = 0xFF000000u;
const uint32_t kPickerUnit = componentId(1);

struct Notification {
  UINT message;
  WPARAM colour;
  LPARAM id;
};

std::vector<Notification> g_notifications;
WNDPROC g_formProcedure = nullptr;

// Sits in front of the form's procedure and notes the picker's messages.
LRESULT CALLBACK formSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= lp::kMsgColourSelectionChanged && message <= lp::kMsgColourEndedCancel)
    g_notifications.push_back({message, wParam, lParam});
  return CallWindowProcW(g_formProcedure, window, message, wParam, lParam);
}

class ColourPicker : public WindowTest {
 protected:
  void loadWith(uint32_t colour, bool transparent) {
    lp::ColorPickerData data;
    data.color = colour;
    data.transparent = transparent;
    setWindow(lp::WindowData());
    addComponent(1, kColourPickerType, data.write(), 1);
    ASSERT_TRUE(load());
    g_notifications.clear();
    g_formProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(formSpy)));
  }
  void TearDown() override {
    if (HWND palette = FindWindowW(L"ColourPickerPalette", nullptr)) DestroyWindow(palette);
    WindowTest::TearDown();
  }
  HWND button() const { return unitWindow(kPickerUnit); }
  lp::ComponentObject* object() const {
    lp::WindowRecord* record = lp::findWindow(kWindowId);
    return record ? lp::liveObject(*record, lp::findUnit(*record, kPickerUnit)) : nullptr;
  }
  uint32_t color() const {
    auto getter = reinterpret_cast<lp::GetPropertyFn>(lp::colourPickerInterface(lp::kEntryGetProperty));
    lp::PropertyValue out{0, 0};
    EXPECT_EQ(getter(object(), lp::ColorPickerData::kColor, &out), 1);
    return static_cast<uint32_t>(out.word);
  }
  // A click on the button as its form reports it back.
  lp::ColourPalette* open() {
    SendMessageW(window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button()));
    return lp::colourPaletteOf(FindWindowW(L"ColourPickerPalette", nullptr));
  }
  static void keyTo(lp::ColourPalette* palette, WPARAM vk) { SendMessageW(palette->window, WM_KEYDOWN, vk, 0); }
  static POINT centreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  static void mouse(lp::ColourPalette* palette, UINT message, POINT at) {
    SendMessageW(palette->window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y));
  }
  static bool paletteOpen() { return FindWindowW(L"ColourPickerPalette", nullptr) != nullptr; }
  int count(UINT message) const {
    int n = 0;
    for (const Notification& note : g_notifications) n += note.message == message;
    return n;
  }
  int eventZeroCount() const {
    int n = 0;
    for (const LoggedEvent& e : eventsOf(kPickerUnit)) n += e.event == 0;
    return n;
  }
  // The colour at the middle of the button's colour field, as it draws it.
  COLORREF fieldColour(const char* caption = "") {
    SetWindowTextW(button(), lp::gbkToWide(caption).c_str());
    RECT r;
    GetClientRect(button(), &r);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(button()));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button();
    item.hDC = dc;
    item.rcItem = r;
    SendMessageW(button(), WM_DRAWITEM + 0x2000, item.CtlID, reinterpret_cast<LPARAM>(&item));
    const COLORREF pixel = GetPixel(dc, r.right / 4, r.bottom / 2);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixel;
  }
};

TEST_F(ColourPicker, IsAnOwnerDrawnButtonOfItsClassShowingItsColour) {
  loadWith(RGB(0, 0, 255), false);
  wchar_t name[64] = {};
  GetClassNameW(button(), name, 64);
  EXPECT_EQ(std::wstring(name), L"ColourPickerButton");
  EXPECT_EQ(GetWindowLongPtrW(button(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(IsWindowVisible(button()));
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(0, 0, 255)));
  EXPECT_EQ(fieldColour(), RGB(0, 0, 255));
}

TEST_F(ColourPicker, AStoredTransparentColourWithoutTheChoiceIsBlack) {
  loadWith(kTransparent, false);
  EXPECT_EQ(color(), 0u);
}

TEST_F(ColourPicker, DroppingDownTellsTheFormAndPlacesThePaletteUnderTheButton) {
  loadWith(RGB(0, 0, 255), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  ASSERT_EQ(count(lp::kMsgColourDropDown), 1);
  EXPECT_EQ(g_notifications[0].colour, static_cast<WPARAM>(RGB(0, 0, 255)));
  EXPECT_EQ(g_notifications[0].id, static_cast<LPARAM>(GetDlgCtrlID(button())));
  RECT b, p;
  GetWindowRect(button(), &b);
  GetWindowRect(palette->window, &p);
  EXPECT_EQ(p.left, b.left);
  EXPECT_EQ(p.top, b.bottom);
  EXPECT_EQ(GetCapture(), palette->window);
  EXPECT_EQ(palette->current, 9) << "the cell of the initial colour is current";
  EXPECT_EQ(palette->initialChoice, 9);
  EXPECT_EQ(SendMessageW(palette->tooltip, TTM_GETTOOLCOUNT, 0, 0), 32);
}

TEST_F(ColourPicker, WithoutTransparentThereIsNoDefaultBoxAndTheKeysNeverReachOne) {
  loadWith(RGB(0, 0, 0), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  EXPECT_FALSE(palette->layout.hasDefault);
  EXPECT_TRUE(palette->layout.hasCustom);
  const WPARAM keys[] = {VK_LEFT, VK_UP, VK_UP, VK_LEFT, VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP};
  for (int round = 0; round < 6; ++round) {
    for (WPARAM key : keys) {
      keyTo(palette, key);
      ASSERT_NE(palette->current, lp::kDefaultBox);
    }
  }
}

TEST_F(ColourPicker, TransparentIsOfferedAboveTheGridAndPickedAsTransparent) {
  loadWith(RGB(0, 0, 0), true);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  ASSERT_TRUE(palette->layout.hasDefault);
  EXPECT_EQ(palette->defaultText, L"\u900F\u660E");
  keyTo(palette, VK_LEFT);
  EXPECT_EQ(palette->current, lp::kDefaultBox);
  keyTo(palette, VK_RETURN);
  EXPECT_FALSE(paletteOpen());
  EXPECT_EQ(color(), kTransparent);
  EXPECT_EQ(eventZeroCount(), 1);
  EXPECT_EQ(fieldColour(), RGB(255, 255, 255)) << "transparent shows on white";
}

TEST_F(ColourPicker, PickingByKeyboardSetsColorAndRaisesEventZero) {
  loadWith(RGB(0, 0, 0), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  keyTo(palette, VK_RIGHT);
  keyTo(palette, VK_RIGHT);
  keyTo(palette, VK_DOWN);
  EXPECT_EQ(palette->current, 9);
  g_notifications.clear();
  keyTo(palette, VK_RETURN);
  EXPECT_FALSE(paletteOpen());
  EXPECT_NE(GetCapture(), button());
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(0, 0, 255)));
  EXPECT_EQ(eventZeroCount(), 1);
  ASSERT_EQ(g_notifications.size(), 3u);
  EXPECT_EQ(g_notifications[0].message, lp::kMsgColourCloseUp);
  EXPECT_EQ(g_notifications[1].message, lp::kMsgColourEndedOk);
  EXPECT_EQ(g_notifications[2].message, lp::kMsgColourSelectionChanged);
  EXPECT_EQ(g_notifications[2].colour, static_cast<WPARAM>(RGB(0, 0, 255)));
  EXPECT_EQ(fieldColour(), RGB(0, 0, 255));
}

TEST_F(ColourPicker, SpaceAlsoPicksAndTheSameColourAgainStillRaisesEventZero) {
  loadWith(RGB(255, 0, 0), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  keyTo(palette, VK_SPACE);
  EXPECT_FALSE(paletteOpen());
  palette = open();
  ASSERT_NE(palette, nullptr);
  keyTo(palette, VK_RETURN);
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(255, 0, 0)));
  EXPECT_EQ(eventZeroCount(), 2);
  EXPECT_EQ(count(lp::kMsgColourEndedOk), 2);
  EXPECT_EQ(count(lp::kMsgColourSelectionChanged), 0) << "the colour did not change";
}

TEST_F(ColourPicker, EscapeAfterHoveringRestoresTheOpeningColour) {
  loadWith(RGB(0, 128, 0), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  for (int cell : {5, 12, 20, 31}) mouse(palette, WM_MOUSEMOVE, centreOf(lp::paletteCellRect(palette->layout, cell)));
  EXPECT_EQ(palette->current, 31);
  EXPECT_EQ(count(lp::kMsgColourSelectionChanged), 4) << "hovering is passed on to the form";
  keyTo(palette, VK_ESCAPE);
  EXPECT_FALSE(paletteOpen());
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(0, 128, 0)));
  EXPECT_EQ(eventZeroCount(), 0);
  EXPECT_EQ(g_notifications.back().message, lp::kMsgColourEndedCancel);
  EXPECT_EQ(g_notifications.back().colour, static_cast<WPARAM>(RGB(0, 128, 0)));
  EXPECT_EQ(fieldColour(), RGB(0, 128, 0));
}

TEST_F(ColourPicker, PressAndReleaseInsidePicksTheCellOutsideCancels) {
  loadWith(RGB(0, 0, 0), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  const POINT cell = centreOf(lp::paletteCellRect(palette->layout, 12));
  mouse(palette, WM_LBUTTONUP, cell);
  EXPECT_TRUE(paletteOpen()) << "a release without its press is ignored";
  mouse(palette, WM_LBUTTONDOWN, cell);
  mouse(palette, WM_LBUTTONUP, cell);
  EXPECT_FALSE(paletteOpen());
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(255, 0, 0)));

  palette = open();
  ASSERT_NE(palette, nullptr);
  mouse(palette, WM_MOUSEMOVE, centreOf(lp::paletteCellRect(palette->layout, 14)));
  mouse(palette, WM_LBUTTONDOWN, {-20, -20});
  mouse(palette, WM_LBUTTONUP, {-20, -20});
  EXPECT_FALSE(paletteOpen());
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(255, 0, 0)));
  EXPECT_EQ(eventZeroCount(), 1);
}

TEST_F(ColourPicker, LosingActivationToAnotherProgramCancels) {
  loadWith(RGB(0, 0, 0), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  keyTo(palette, VK_RIGHT);
  SendMessageW(palette->window, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(paletteOpen());
  EXPECT_EQ(color(), 0u);
  EXPECT_EQ(count(lp::kMsgColourEndedCancel), 1);
}

TEST_F(ColourPicker, CancellingOtherColoursChangesNothingAndRaisesNoEvent) {
  loadWith(RGB(0, 0, 255), false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  keyTo(palette, VK_LEFT);
  keyTo(palette, VK_LEFT);
  for (int i = 0; i < 9 && palette->current != lp::kCustomBox; ++i) keyTo(palette, VK_LEFT);
  ASSERT_EQ(palette->current, lp::kCustomBox);
  ModalDialogCloser closer([](HWND dialog) { press(dialog, IDCANCEL); });
  keyTo(palette, VK_RETURN);
  EXPECT_TRUE(closer.acted());
  EXPECT_FALSE(paletteOpen());
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(0, 0, 255)));
  EXPECT_EQ(eventZeroCount(), 0);
  EXPECT_EQ(count(lp::kMsgColourEndedCancel), 1);
}

TEST_F(ColourPicker, OtherColoursStartsFromTheInitialColour) {
  const COLORREF unnamed = RGB(10, 20, 30);
  loadWith(unnamed, false);
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->current, lp::kCustomBox) << "a colour not in the table marks the custom box";
  ModalDialogCloser closer([](HWND dialog) { press(dialog, IDOK); });
  keyTo(palette, VK_RETURN);
  EXPECT_TRUE(closer.acted());
  EXPECT_EQ(color(), static_cast<uint32_t>(unnamed));
  EXPECT_EQ(eventZeroCount(), 1);
}

TEST_F(ColourPicker, APaletteNearTheScreenCornerIsShiftedOntoTheScreen) {
  loadWith(RGB(0, 0, 0), true);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  RECT b;
  GetWindowRect(button(), &b);
  RECT form;
  GetWindowRect(window(), &form);
  // Move the form so that the button's lower-left corner is 40 pixels from
  // the right and 20 from the bottom of the screen.
  SetWindowPos(window(), nullptr, form.left + (screenWidth - 40 - b.left), form.top + (screenHeight - 20 - b.bottom),
               0, 0, SWP_NOSIZE | SWP_NOZORDER);
  pump();
  lp::ColourPalette* palette = open();
  ASSERT_NE(palette, nullptr);
  RECT p;
  GetWindowRect(palette->window, &p);
  EXPECT_EQ(p.right, screenWidth);
  EXPECT_EQ(p.bottom, screenHeight);
  EXPECT_EQ(p.right - p.left, palette->layout.size.cx);
  EXPECT_EQ(p.bottom - p.top, palette->layout.size.cy);
}

TEST_F(ColourPicker, FocusRaisesTheCommonFocusEvents) {
  lp::ColorPickerData data;
  setWindow(lp::WindowData());
  addComponent(1, kColourPickerType, data.write(), 1);
  addComponent(2, kFakeButton, fakeBlock(0, "next"), 2);
  ASSERT_TRUE(load());
  SetFocus(unitWindow(componentId(2)));
  eventLog().clear();
  SetFocus(button());
  ASSERT_EQ(GetFocus(), button());
  EXPECT_TRUE(raised(kPickerUnit, -7));
  EXPECT_FALSE(raised(kPickerUnit, -8));
  SetFocus(unitWindow(componentId(2)));
  EXPECT_TRUE(raised(kPickerUnit, -8));
}

TEST_F(ColourPicker, WritingColorShowsItWithoutRebuilding) {
  loadWith(RGB(0, 0, 0), false);
  auto setter = reinterpret_cast<lp::SetPropertyFn>(lp::colourPickerInterface(lp::kEntrySetProperty));
  lp::PropertyValue value{RGB(255, 255, 0), 0};
  int32_t flag = 1;
  EXPECT_EQ(setter(object(), lp::ColorPickerData::kColor, &value, &flag), 0);
  EXPECT_EQ(color(), static_cast<uint32_t>(RGB(255, 255, 0)));
  EXPECT_EQ(fieldColour(), RGB(255, 255, 0));
  value.word = kTransparent;
  EXPECT_EQ(setter(object(), lp::ColorPickerData::kColor, &value, &flag), 0);
  EXPECT_EQ(color(), 0u) << "no transparent choice: black";
}

}  // namespace
}  // namespace test
