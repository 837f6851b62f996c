// LoadWindow, Destroy and Move against a registry whose window and component
// objects are plain Win32 windows standing in for the real components.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "command_calls.h"
#include "reported_error.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/window_commands.h"
#include "runtime/core/window_registry.h"

namespace {

using test::core;
using test::identity;
using test::logical;
using test::none;

constexpr uint32_t kWindowId = 0x52010001, kOwnUnit = 0x52010001, kLabelUnit = 0x16010002;
constexpr uint32_t kMenuItemUnit = 0x26010003, kWindowType = 0x00010001, kLabelType = 0x00010004;

struct Seen {
  int closeRequests = 0;
  int moves = 0;
};

LRESULT CALLBACK standInProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* seen = reinterpret_cast<Seen*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (seen && message == lp::kMsgCloseRequest) ++seen->closeRequests;
  if (seen && message == WM_WINDOWPOSCHANGED) ++seen->moves;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class WindowCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = standInProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LpStandIn";
    RegisterClassA(&wc);
    window.window = CreateWindowA("LpStandIn", "", WS_OVERLAPPEDWINDOW, 50, 60, 300, 200, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    label.window = CreateWindowA("LpStandIn", "", WS_CHILD | WS_VISIBLE, 10, 20, 80, 30, window.window, nullptr,
                                 wc.hInstance, nullptr);
    SetWindowLongPtrA(window.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&windowSeen));
    SetWindowLongPtrA(label.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&labelSeen));

    lp::WindowRecord record;
    record.working.id = kWindowId;
    record.working.units.resize(3);
    record.working.units[0].id = kOwnUnit;
    record.working.units[1].id = kLabelUnit;
    record.working.units[2].id = kMenuItemUnit;
    record.working.units[2].isMenu = true;
    record.slots.resize(3);
    record.slots[0].object = &window;
    record.slots[1].object = &label;
    lp::windowRecords().push_back(std::move(record));
  }
  void TearDown() override {
    lp::windowRecords().clear();
    if (IsWindow(window.window)) DestroyWindow(window.window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  lp::WindowRecord& record() { return lp::windowRecords().front(); }
  RECT childRect() {
    RECT r;
    GetWindowRect(label.window, &r);
    MapWindowPoints(nullptr, window.window, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  lp::ComponentObject window, label;
  Seen windowSeen, labelSeen;
  const lp::ValueRecord windowArg = identity(kWindowId, 0, kWindowType);
  const lp::ValueRecord labelArg = identity(kWindowId, kLabelUnit, kLabelType);
};

bool loadWindow(std::vector<lp::ValueRecord> args) {
  lp::ValueRecord r = core(lp::kCmdLoadWindow, std::move(args));
  EXPECT_EQ(r.type, lp::kLogical);
  return r.low != 0;
}

TEST_F(WindowCommands, LoadWindowFailsForUnknownTemplatesAndOwnersThatAreNoWindow) {
  EXPECT_FALSE(loadWindow({identity(0x52010E81, 0, kWindowType)}));
  EXPECT_FALSE(loadWindow({identity(0x52010E81, 0, kWindowType), windowArg, logical(false)}));
  // The window is open, but the owner named is not.
  EXPECT_FALSE(loadWindow({windowArg, identity(0x52010E81, 0, kWindowType)}));
  EXPECT_FALSE(loadWindow({windowArg, identity(kWindowId, kMenuItemUnit, kWindowType)}));
  EXPECT_FALSE(loadWindow({windowArg, labelArg}));
  // An open window is only brought forward.
  EXPECT_TRUE(loadWindow({windowArg}));
  EXPECT_TRUE(loadWindow({windowArg, none(), none()}));
  EXPECT_TRUE(loadWindow({windowArg, windowArg, logical(false)}));
  EXPECT_EQ(record().slots[1].object, &label);
}

TEST_F(WindowCommands, DestroyOfAWindowPostsTheCloseRequest) {
  core(lp::kCmdDestroy, {windowArg});
  EXPECT_TRUE(record().closing);
  EXPECT_TRUE(IsWindow(window.window));
  EXPECT_EQ(windowSeen.closeRequests, 0);
  core(lp::kCmdDoEvents, {});
  EXPECT_EQ(windowSeen.closeRequests, 1);
}

TEST_F(WindowCommands, DestroyImmediatelyReenablesWhatAModalWindowDisabled) {
  HWND other = CreateWindowA("LpStandIn", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EnableWindow(other, FALSE);
  record().disabledByModal.push_back({other, true});
  core(lp::kCmdDestroy, {windowArg, logical(true)});
  EXPECT_FALSE(IsWindow(window.window));
  EXPECT_TRUE(IsWindowEnabled(other));
  DestroyWindow(other);
}

TEST_F(WindowCommands, DestroyOfAComponentRemovesItAndWhatItHoldsFromItsWindow) {
  lp::ComponentObject inner;
  inner.window = CreateWindowA("LpStandIn", "", WS_CHILD, 0, 0, 5, 5, label.window, nullptr, nullptr, nullptr);
  record().working.units.emplace_back().id = 0x16010004;
  record().slots.emplace_back().object = &inner;
  core(lp::kCmdDestroy, {labelArg});
  EXPECT_FALSE(IsWindow(label.window));
  EXPECT_EQ(record().slots[1].object, nullptr);
  EXPECT_EQ(record().slots[3].object, nullptr);
  EXPECT_FALSE(record().closing);
  EXPECT_TRUE(IsWindow(window.window));
}

TEST_F(WindowCommands, DestroyOfWhatIsNotLoadedIsReported) {
  for (lp::ValueRecord missing : {identity(0x52010E81, 0, kWindowType), identity(kWindowId, 0x16010099, kLabelType),
                                  identity(kWindowId, kMenuItemUnit, 0)}) {
    try {
      core(lp::kCmdDestroy, {missing});
      ADD_FAILURE() << "no report for unit " << std::hex << missing.high;
    } catch (const ReportedError& e) {
      EXPECT_EQ(e.text, "指定窗口或窗口组件不存在或尚未载入");
    }
  }
}

TEST_F(WindowCommands, MoveKeepsWhatIsNotGivenAndMovesOnlyOnChange) {
  labelSeen.moves = 0;
  core(lp::kCmdMove, {labelArg, test::integer(15)});
  RECT r = childRect();
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 80);
  EXPECT_EQ(r.bottom - r.top, 30);
  core(lp::kCmdMove, {labelArg, none(), test::integer(25), test::integer(-1), test::integer(40)});
  r = childRect();
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 25);
  EXPECT_EQ(r.right - r.left, 80);
  EXPECT_EQ(r.bottom - r.top, 40);
  const int moves = labelSeen.moves;
  core(lp::kCmdMove, {labelArg, test::integer(15), test::integer(25), test::integer(80), test::integer(40)});
  core(lp::kCmdMove, {labelArg});
  EXPECT_EQ(labelSeen.moves, moves);
}

TEST_F(WindowCommands, MoveOfAWindowWorksInScreenCoordinates) {
  RECT before;
  GetWindowRect(window.window, &before);
  core(lp::kCmdMove, {windowArg, test::integer(before.left + 7), none(), test::integer(320)});
  RECT after;
  GetWindowRect(window.window, &after);
  EXPECT_EQ(after.left, before.left + 7);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right - after.left, 320);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

}  // namespace
