// Loading windows from templates: creation order, identifiers, parents,
// events, reloading, closing and modal loads.
#include <gtest/gtest.h>

#include "fake_components.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"
#include "template_builder.h"

namespace {

using fake::log;

void onCreated(lp::HandlerCall*) { log().events.push_back("created"); }
void onMoved(lp::HandlerCall*) { log().events.push_back("moved"); }
void onSized(lp::HandlerCall*) { log().events.push_back("sized"); }
void onChildEvent(lp::HandlerCall*) { log().events.push_back("child event"); }

constexpr uint32_t kChild1 = 0x16010001u, kChild2 = 0x16010002u, kChild3 = 0x16010003u;

lp::WindowTemplate windowA() {
  lp::WindowTemplate w;
  w.id = fake::kWindowA;
  lp::UnitRecord own = fake::windowUnit(fake::kOwnUnitA, 10, 20, 300, 200);
  fake::bind(own, 0, onCreated);
  fake::bind(own, 3, onMoved);
  fake::bind(own, 4, onSized);
  w.units.push_back(own);
  lp::UnitRecord c1 = fake::childUnit(kChild1, fake::kChildType, 5, 5);
  fake::bind(c1, fake::kEventDuringCreate, onChildEvent);
  w.units.push_back(c1);
  w.units.push_back(fake::childUnit(kChild2, fake::kChildType, 50, 5, kChild1));
  w.units.push_back(fake::childUnit(kChild3, fake::kChildType, 100, 5));
  w.units.push_back(fake::menuUnit(0x26010001u, "File", 0, 0));
  w.units.push_back(fake::menuUnit(0x26010002u, "Open", 1, 15));
  return w;
}

lp::WindowTemplate windowB() {
  lp::WindowTemplate w;
  w.id = fake::kWindowB;
  w.units.push_back(fake::windowUnit(fake::kOwnUnitB, 40, 40, 200, 100));
  w.units.push_back(fake::childUnit(0x16010101u, fake::kChildType, 5, 5));
  return w;
}

class Loader : public ::testing::Test {
 protected:
  void SetUp() override { fake::loadTemplates({windowA(), windowB()}); }
  void TearDown() override {
    for (lp::WindowRecord& w : lp::windowRecords()) {
      if (lp::ComponentObject* own = lp::liveObject(w, 0)) DestroyWindow(own->window);
    }
    lp::releaseWindowRegistry();
  }
  lp::WindowRecord& a() { return *lp::findWindow(fake::kWindowA); }
  HWND unitWindow(lp::WindowRecord& w, uint32_t unit) {
    return lp::liveObject(w, lp::findUnit(w, unit))->window;
  }
};

TEST_F(Loader, CreatesWindowFirstThenComponentsFromLastToFirst) {
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  const auto& created = log().created;
  ASSERT_EQ(created.size(), 4u);
  EXPECT_EQ(created[0].unitId, fake::kOwnUnitA);
  EXPECT_EQ(created[0].controlId, 0u);
  EXPECT_EQ(created[1].unitId, kChild3);
  EXPECT_EQ(created[1].controlId, 100u);
  EXPECT_EQ(created[2].unitId, kChild2);
  EXPECT_EQ(created[2].controlId, 110u);
  EXPECT_EQ(created[3].unitId, kChild1);
  EXPECT_EQ(created[3].controlId, 120u);
  EXPECT_EQ(created[1].presetStyle, static_cast<uint32_t>(WS_TABSTOP));
}

TEST_F(Loader, ParentsComponentsByTheirParentUnit) {
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  HWND own = unitWindow(a(), 0);
  EXPECT_EQ(GetParent(unitWindow(a(), kChild1)), own);
  EXPECT_EQ(GetParent(unitWindow(a(), kChild2)), unitWindow(a(), kChild1));
  EXPECT_EQ(GetParent(unitWindow(a(), kChild3)), own);
  EXPECT_TRUE(IsWindowVisible(unitWindow(a(), kChild3)) || !IsWindowVisible(own));
  EXPECT_NE(GetMenu(own), nullptr);
}

TEST_F(Loader, DropsEventsDuringLoadThenRaisesCreatedMovedSized) {
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  EXPECT_EQ(log().events, (std::vector<std::string>{"created", "moved", "sized"}));
  EXPECT_EQ(lp::runtime().suspendCount, 0);
}

TEST_F(Loader, LoadingAnOpenWindowAgainOnlyActivatesIt) {
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  HWND first = unitWindow(a(), 0);
  size_t created = log().created.size();
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  EXPECT_EQ(unitWindow(a(), 0), first);
  EXPECT_EQ(log().created.size(), created);
}

TEST_F(Loader, ClosingRestoresTheTemplateValues) {
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  int index = lp::findUnit(a(), kChild3);
  a().working.units[static_cast<size_t>(index)].component.left = 999;
  DestroyWindow(unitWindow(a(), 0));
  EXPECT_EQ(lp::liveObject(a(), 0), nullptr);
  EXPECT_EQ(a().working.units[static_cast<size_t>(index)].component.left, 100);
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  RECT r;
  GetWindowRect(unitWindow(a(), kChild3), &r);
  MapWindowPoints(nullptr, unitWindow(a(), 0), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 100);
}

TEST_F(Loader, ModalLoadDisablesOtherWindowsUntilRestored) {
  ASSERT_TRUE(lp::loadWindow(a(), false, false, nullptr));
  HWND own = unitWindow(a(), 0);
  lp::WindowRecord& b = *lp::findWindow(fake::kWindowB);
  ASSERT_TRUE(lp::loadWindow(b, false, true, nullptr));
  EXPECT_FALSE(IsWindowEnabled(own));
  EXPECT_TRUE(IsWindowEnabled(unitWindow(b, 0)));
  lp::restoreWindowsDisabledBy(fake::kWindowB);
  EXPECT_TRUE(IsWindowEnabled(own));
}

TEST_F(Loader, AUnitWithoutTypeRecordFailsTheLoadAndLeavesNothing) {
  lp::WindowTemplate w = windowB();
  w.units.push_back(fake::childUnit(0x16010102u, 0x00010009u, 5, 5));  // beyond the library's types
  fake::loadTemplates({w});
  lp::WindowRecord& b = *lp::findWindow(fake::kWindowB);
  EXPECT_FALSE(lp::loadWindow(b, false, false, nullptr));
  EXPECT_EQ(lp::liveObject(b, 0), nullptr);
  EXPECT_EQ(lp::runtime().suspendCount, 0);
}

TEST_F(Loader, ATypeWithoutCreateEntryLoadsAsAPlaceholder) {
  lp::WindowTemplate w = windowB();
  w.units.push_back(fake::childUnit(0x16010102u, fake::kBrokenType, 5, 5));
  fake::loadTemplates({w});
  lp::WindowRecord& b = *lp::findWindow(fake::kWindowB);
  ASSERT_TRUE(lp::loadWindow(b, false, false, nullptr));
  lp::ComponentObject* stand = lp::liveObject(b, lp::findUnit(b, 0x16010102u));
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(GetParent(stand->window), lp::liveObject(b, 0)->window);
}

TEST_F(Loader, NonModalLoadWithADeadOwnerFails) {
  EXPECT_FALSE(lp::loadWindow(a(), false, false, reinterpret_cast<HWND>(0x1234)));
}

}  // namespace
