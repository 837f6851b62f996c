// The window's closing rules, its frame and Position, menu commands and the
// re-creation of a component, under Wine.
#include "tests/support/fake_components.h"
#include "runtime/components/window_component.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"
#include "tests/support/window_fixture.h"

namespace test {
namespace {

class WindowLifecycle : public WindowTest {};

lp::ComponentObject* ownObject() {
  lp::WindowRecord* record = lp::findWindow(kWindowId);
  return record ? lp::liveObject(*record, 0) : nullptr;
}

TEST_F(WindowLifecycle, DestroyClosesWithoutTheCloseEvent) {
  setWindow(lp::WindowData());
  ASSERT_TRUE(load());
  lp::destroyWindowComponent(ownObject(), false);
  EXPECT_NE(window(), nullptr) << "pending until its message arrives";
  pump();
  EXPECT_EQ(window(), nullptr);
  EXPECT_FALSE(raised(kOwnUnit, 1));
  EXPECT_TRUE(raised(kOwnUnit, 2));
}

TEST_F(WindowLifecycle, TitleBarCloseAsksAndAFalseResultKeepsTheWindow) {
  setWindow(lp::WindowData());
  ASSERT_TRUE(load());
  handlerResults()[{kOwnUnit, 1}] = 0;
  SendMessageA(window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  pump();
  EXPECT_TRUE(raised(kOwnUnit, 1));
  ASSERT_NE(window(), nullptr);
  handlerResults().clear();
  SendMessageA(window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  pump();
  EXPECT_EQ(window(), nullptr);
}

TEST_F(WindowLifecycle, ClosingRestoresTheTemplateForTheNextLoad) {
  setWindow(lp::WindowData());
  ASSERT_TRUE(load());
  lp_entry_services.writeProperty(kWindowId, 0, 2, -1, 250, 0);
  SendMessageA(window(), WM_CLOSE, 0, 0);
  pump();
  lp::WindowRecord* record = lp::findWindow(kWindowId);
  ASSERT_TRUE(record && lp::loadWindow(*record, false, false, nullptr));
  RECT r;
  GetWindowRect(window(), &r);
  EXPECT_EQ(r.right - r.left, 400);
}

TEST_F(WindowLifecycle, PositionThreeMaximisesAResizableWindow) {
  lp::WindowData data;
  data.border = 1;
  data.maxButton = true;
  data.position = 3;
  setWindow(data);
  ASSERT_TRUE(load());
  EXPECT_TRUE(IsZoomed(window()));
}

TEST_F(WindowLifecycle, PositionThreeMakesAFixedWindowCoverTheScreen) {
  lp::WindowData data;
  data.border = 0;
  data.position = 3;
  setWindow(data);
  ASSERT_TRUE(load());
  RECT r;
  GetWindowRect(window(), &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_FALSE(IsZoomed(window()));
}

TEST_F(WindowLifecycle, PositionOneCentresTheWindow) {
  setWindow(lp::WindowData(), 400, 300);
  ASSERT_TRUE(load());
  RECT r;
  GetWindowRect(window(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 400) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 300) / 2);
}

TEST_F(WindowLifecycle, FixedBorderWithoutCaptionOrControlBoxHasNoTitleBar) {
  lp::WindowData data;
  data.border = 2;
  data.controlBox = false;
  setWindow(data);
  ASSERT_TRUE(load());
  const LONG_PTR style = GetWindowLongPtrA(window(), GWL_STYLE);
  EXPECT_NE(style & WS_CAPTION, static_cast<LONG_PTR>(WS_CAPTION));
  EXPECT_NE(style & WS_DLGFRAME, 0);
  RECT outer, client;
  GetWindowRect(window(), &outer);
  GetClientRect(window(), &client);
  EXPECT_LT((outer.bottom - outer.top) - client.bottom, GetSystemMetrics(SM_CYCAPTION));

  // Giving it a caption brings the title bar back.
  lp_entry_services.writeProperty(kWindowId, 0, 8, -1, static_cast<uint32_t>(reinterpret_cast<uintptr_t>("T")),
                                  static_cast<uint32_t>(static_cast<uint64_t>(reinterpret_cast<uintptr_t>("T")) >> 32));
  EXPECT_EQ(GetWindowLongPtrA(window(), GWL_STYLE) & WS_CAPTION, static_cast<LONG_PTR>(WS_CAPTION));
}

TEST_F(WindowLifecycle, MenuCommandsFollowListPositionsWithHiddenItems) {
  setWindow(lp::WindowData());
  addMenu(1, 0, 0, "File");
  addMenu(2, 1, lp::kMenuHidden, "Hidden");
  addMenu(3, 1, 0, "Shown");
  addMenu(4, 1, 0, "-");
  ASSERT_TRUE(load());
  HMENU drop = GetSubMenu(GetMenu(window()), 0);
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(GetMenuItemCount(drop), 2);
  EXPECT_EQ(GetMenuItemID(drop, 0), 20002u);
  SendMessageA(window(), WM_COMMAND, 20002, 0);
  EXPECT_TRUE(raised(menuId(3), 0));
  SendMessageA(window(), WM_COMMAND, 57600, 0);
  SendMessageA(window(), WM_COMMAND, 20009, 0);
  EXPECT_EQ(eventsOf(menuId(1)).size() + eventsOf(menuId(2)).size() + eventsOf(menuId(4)).size(), 0u);
}

TEST_F(WindowLifecycle, RecreationKeepsGeometryStateAndFocus) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeButton, fakeBlock(0, "first"), 1);
  addComponent(2, kFakeButton, fakeBlock(0, "rebuilt"), 2, lp::kStateVisible | lp::kStateTabStop, 37);
  ASSERT_TRUE(load());
  HWND old = unitWindow(componentId(2));
  SetFocus(old);
  RECT before;
  GetWindowRect(old, &before);
  const int created = fakeCreations();
  lp_entry_services.writeProperty(kWindowId, componentId(2), 9, -1, 1, 0);
  HWND rebuilt = unitWindow(componentId(2));
  EXPECT_EQ(fakeCreations(), created + 1);
  EXPECT_FALSE(IsWindow(old));
  RECT after;
  GetWindowRect(rebuilt, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(IsWindowVisible(rebuilt));
  EXPECT_EQ(GetFocus(), rebuilt);

  lp_entry_services.writeProperty(kWindowId, componentId(2), 6, -1, 1, 0);  // disabled
  lp_entry_services.writeProperty(kWindowId, componentId(2), 9, -1, 0, 0);
  EXPECT_FALSE(IsWindowEnabled(unitWindow(componentId(2))));
  // Writing the value already stored asks for no rebuild.
  const int now = fakeCreations();
  lp_entry_services.writeProperty(kWindowId, componentId(2), 9, -1, 0, 0);
  EXPECT_EQ(fakeCreations(), now);
}

TEST_F(WindowLifecycle, TypesWithoutAWin32PartStandAsPlaceholders) {
  setWindow(lp::WindowData());
  addComponent(1, kFakeUnbuilt, {}, 0, lp::kStateVisible);
  ASSERT_TRUE(load());
  HWND placeholder = unitWindow(componentId(1));
  ASSERT_NE(placeholder, nullptr);
  char name[64] = {};
  GetClassNameA(placeholder, name, sizeof name);
  EXPECT_STREQ(name, "LumenPathPlaceholder");
  EXPECT_TRUE(IsWindowVisible(placeholder));
}

}  // namespace
}  // namespace test
