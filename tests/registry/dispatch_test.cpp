// Event dispatch: handler lookup, the result protocol and suspension.
#include <gtest/gtest.h>

#include "fake_components.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/window_registry.h"
#include "template_builder.h"

namespace {

constexpr uint32_t kChild = 0x16010001u, kItem = 0x26010002u;

void returnsNothing(lp::HandlerCall* call) { fake::log().events.push_back(std::to_string(call->args[0])); }
void returnsFalse(lp::HandlerCall* call) {
  call->returned = 1;
  call->value = 0;
}
void menuClicked(lp::HandlerCall*) { fake::log().events.push_back("menu"); }

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    lp::WindowTemplate w;
    w.id = fake::kWindowA;
    w.units.push_back(fake::windowUnit(fake::kOwnUnitA, 0, 0, 100, 100));
    lp::UnitRecord child = fake::childUnit(kChild, fake::kChildType, 0, 0);
    fake::bind(child, -6, returnsNothing);
    fake::bind(child, -9, returnsFalse);
    w.units.push_back(child);
    w.units.push_back(fake::menuUnit(0x26010001u, "File", 0, 0));
    w.units.push_back(fake::menuUnit(kItem, "Open", 1, 0, 0, fake::offsetOf(menuClicked)));
    w.units.push_back(fake::menuUnit(0x26010003u, "None", 1, 0, 0, -1));
    fake::loadTemplates({w});
  }
  void TearDown() override { lp::releaseWindowRegistry(); }
  lp::WordEvent event(uint32_t unit, int32_t number, uint32_t arg = 0) {
    lp::WordEvent e = {};
    e.windowId = fake::kWindowA;
    e.unitId = unit;
    e.event = number;
    e.argCount = 1;
    e.args[0] = arg;
    return e;
  }
};

TEST_F(Dispatch, AHandlerWithoutValueLeavesHasResultUnchanged) {
  lp::WordEvent e = event(kChild, -6, 42);
  EXPECT_EQ(lp::raiseWordEvent(&e), 1);
  EXPECT_EQ(e.hasResult, 0);
  EXPECT_EQ(fake::log().events, std::vector<std::string>{"42"});
}

TEST_F(Dispatch, AFalseResultIsReportedForTheComponentToApply) {
  lp::WordEvent e = event(kChild, -9, 13);
  e.result = 77;
  EXPECT_EQ(lp::raiseWordEvent(&e), 1);
  EXPECT_EQ(e.hasResult, 1);
  EXPECT_EQ(e.result, 0u);
}

TEST_F(Dispatch, UnboundEventsAndSuspendedDispatchReachNoHandler) {
  lp::WordEvent unbound = event(kChild, 3);
  EXPECT_EQ(lp::raiseWordEvent(&unbound), 0);
  lp::runtime().suspendCount = 1;
  lp::WordEvent suspended = event(kChild, -6, 1);
  EXPECT_EQ(lp::raiseWordEvent(&suspended), 0);
  lp::runtime().suspendCount = 0;
  EXPECT_TRUE(fake::log().events.empty());
}

TEST_F(Dispatch, AMenuItemHandlerRunsForAnyEventNumber) {
  lp::WordEvent click = event(kItem, 0);
  lp::WordEvent other = event(kItem, -3);
  EXPECT_EQ(lp::raiseWordEvent(&click), 1);
  EXPECT_EQ(lp::raiseWordEvent(&other), 1);
  EXPECT_EQ(fake::log().events, (std::vector<std::string>{"menu", "menu"}));
  lp::WordEvent none = event(0x26010003u, 0);
  EXPECT_EQ(lp::raiseWordEvent(&none), 0);
}

TEST_F(Dispatch, TypedArgumentsArePassedByTheirType) {
  lp::TypedEvent e = {};
  e.windowId = fake::kWindowA;
  e.unitId = kChild;
  e.event = -6;
  e.argCount = 1;
  e.args[0] = {0xFFFFFF85u, 0, 0x80000101u, 0};  // a byte: zero-extended
  EXPECT_EQ(lp::raiseTypedEvent(&e), 1);
  EXPECT_EQ(fake::log().events, std::vector<std::string>{"133"});
}

TEST(HandlerFixUp, OffsetZeroIsARealHandlerAndMinusOneIsNone) {
  lp::WindowTemplate w;
  w.id = fake::kWindowA;
  lp::UnitRecord own = fake::windowUnit(fake::kOwnUnitA, 0, 0, 10, 10);
  own.component.events.push_back({2, 0});
  own.component.events.push_back({1, -1});
  w.units.push_back(own);
  fake::loadTemplates({w});
  const lp::WindowRecord& record = *lp::findWindow(fake::kWindowA);
  EXPECT_EQ(record.handlers[0][0], reinterpret_cast<uintptr_t>(fake::codeBase()));
  EXPECT_EQ(record.handlers[0][1], 0u);
  lp::releaseWindowRegistry();
}

}  // namespace
