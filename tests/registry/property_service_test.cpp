// Property reads and writes by window id, unit id and index.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_components.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/property_service.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"
#include "template_builder.h"

namespace {

constexpr uint32_t kChild = 0x16010001u, kFonted = 0x16010002u, kSave = 0x26010002u, kQuit = 0x26010003u;

class Properties : public ::testing::Test {
 protected:
  void SetUp() override {
    lp::WindowTemplate w;
    w.id = fake::kWindowA;
    w.units.push_back(fake::windowUnit(fake::kOwnUnitA, 10, 20, 300, 200));
    w.units.push_back(fake::childUnit(kChild, fake::kChildType, 5, 6));
    w.units.push_back(fake::childUnit(kFonted, fake::kFontType, 50, 6));
    w.units.push_back(fake::menuUnit(0x26010001u, "File", 0, 0));
    w.units.push_back(fake::menuUnit(kSave, "Save", 1, 19));
    w.units.push_back(fake::menuUnit(kQuit, "Quit", 1, 17, lp::kMenuChecked));
    fake::loadTemplates({w});
    ASSERT_TRUE(lp::loadWindow(*lp::findWindow(fake::kWindowA), false, false, nullptr));
  }
  void TearDown() override {
    if (lp::ComponentObject* own = lp::liveObject(*lp::findWindow(fake::kWindowA), 0)) DestroyWindow(own->window);
    lp::releaseWindowRegistry();
  }
  uint64_t read(uint32_t unit, int32_t property, int32_t member = -1) {
    return lp::readProperty(fake::kWindowA, unit, property, member);
  }
  void write(uint32_t unit, int32_t property, uint64_t value, int32_t member = -1) {
    lp::writeProperty(fake::kWindowA, unit, property, member, static_cast<uint32_t>(value),
                      static_cast<uint32_t>(value >> 32));
  }
  std::string readText(uint32_t unit, int32_t property, int32_t member = -1) {
    char* text = reinterpret_cast<char*>(static_cast<uintptr_t>(read(unit, property, member)));
    std::string s = text ? text : "";
    lp::release(text);
    return s;
  }
};

TEST_F(Properties, FixedPositionsAndSizesAreClamped) {
  write(kChild, 2, 40000);
  EXPECT_EQ(static_cast<int32_t>(read(kChild, 2)), 32627);
  write(kChild, 0, static_cast<uint32_t>(-40000));
  EXPECT_EQ(static_cast<int32_t>(read(kChild, 0)), -32627);
  write(kChild, 3, static_cast<uint32_t>(-5));
  EXPECT_EQ(static_cast<int32_t>(read(kChild, 3)), 0);
  // The values live in the unit record too, so they survive re-creation.
  const lp::WindowRecord& w = *lp::findWindow(fake::kWindowA);
  EXPECT_EQ(w.working.units[1].component.width, 32627);
}

TEST_F(Properties, LiveGeometryAndTemplateGeometry) {
  EXPECT_EQ(read(kChild, 0), 5u);
  EXPECT_EQ(read(kChild, 1), 6u);
  write(kChild, 0, 77);
  EXPECT_EQ(read(kChild, 0), 77u);
  EXPECT_EQ(read(kChild, 2), 40u);
}

TEST_F(Properties, MenuWritesRebuildOnlyWhenSomethingChanges) {
  HWND own = lp::liveObject(*lp::findWindow(fake::kWindowA), 0)->window;
  HMENU before = GetMenu(own);
  write(kQuit, 1, 1);  // already checked
  EXPECT_EQ(GetMenu(own), before);
  EXPECT_EQ(read(kQuit, 1), 1u);
  write(kSave, 2, 1);  // disable
  EXPECT_NE(GetMenu(own), before);
  EXPECT_EQ(read(kSave, 2), 1u);
  EXPECT_EQ(read(kSave, 3), 1u);
  write(kSave, 0, reinterpret_cast<uintptr_t>("Save all"));
  EXPECT_EQ(readText(kSave, 0), "Save all");
}

TEST_F(Properties, MenuCaptionReadsFromTheRecordWhileClosed) {
  DestroyWindow(lp::liveObject(*lp::findWindow(fake::kWindowA), 0)->window);
  EXPECT_EQ(readText(kSave, 0), "Save");
  EXPECT_EQ(read(kQuit, 3), 1u);
}

TEST_F(Properties, FontMembersReadAndWriteOnePartOfTheFont) {
  lp::FontValue value = {12, 1, 0, 1, 0, 0, "Tahoma"};
  write(kFonted, 8, reinterpret_cast<uintptr_t>(&value));
  EXPECT_EQ(read(kFonted, 8, 1), 1u);   // bold
  EXPECT_EQ(read(kFonted, 8, 2), 0u);   // italic
  EXPECT_EQ(read(kFonted, 8, 3), 1u);   // underline
  EXPECT_EQ(read(kFonted, 8, 5), 12u);  // size
  EXPECT_EQ(readText(kFonted, 8, 6), "Tahoma");
  write(kFonted, 8, 1, 2);  // italic on, the rest kept
  EXPECT_EQ(read(kFonted, 8, 2), 1u);
  EXPECT_EQ(read(kFonted, 8, 1), 1u);
  write(kFonted, 8, 3660, 0);  // angle modulo 3600
  EXPECT_EQ(read(kFonted, 8, 0), 60u);
  write(kFonted, 8, reinterpret_cast<uintptr_t>(""), 6);  // empty face: the default face
  EXPECT_FALSE(readText(kFonted, 8, 6).empty());
}

TEST_F(Properties, AWriteThatAsksForItRecreatesKeepingGeometryAndFocus) {
  lp::WindowRecord& w = *lp::findWindow(fake::kWindowA);
  HWND before = lp::liveObject(w, 1)->window;
  SetFocus(before);
  write(kChild, 0, 33);
  write(kChild, 9, 5);  // Number: a change asks for re-creation
  HWND after = lp::liveObject(w, 1)->window;
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(read(kChild, 0), 33u);
  EXPECT_EQ(read(kChild, 9), 5u);
  write(kChild, 9, 5);  // the same value: nothing is rebuilt
  EXPECT_EQ(lp::liveObject(w, 1)->window, after);
}

}  // namespace
