// The test template as linked into a program: the blob between its symbols,
// and handler offsets fixed up against the code base reaching the handlers.
#include <gtest/gtest.h>

#include "runtime/core/window_registry.h"
#include "test_handlers.h"
#include "window_templates.h"

namespace {

uint64_t callAt(uintptr_t address, uint64_t argument = 0) {
  lp::HandlerCall call = {};
  call.argCount = 1;
  call.args[0] = argument;
  reinterpret_cast<lp::EventHandler>(address)(&call);
  EXPECT_EQ(call.returned, 1);
  return call.value;
}

class CodeBase : public ::testing::Test {
 protected:
  void SetUp() override { lp::loadWindowTemplates(lp_templates, lp::kTemplatesLength, lp_code_base); }
  void TearDown() override { lp::releaseWindowRegistry(); }
};

TEST_F(CodeBase, BlobLiesBetweenItsSymbols) {
  EXPECT_EQ(static_cast<size_t>(lp_templates_end - lp_templates), lp::kTemplatesLength);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(lp_code_base) % 8, 0u);
}

TEST_F(CodeBase, FixedUpOffsetsReachTheBoundHandlers) {
  lp::WindowRecord* window = lp::findWindow(0x52010001u);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->handlers.size(), 4u);
  const uintptr_t base = reinterpret_cast<uintptr_t>(lp_code_base);
  // The window: created at offset 8, destroyed at offset 0, the code base itself.
  ASSERT_EQ(window->handlers[0].size(), 2u);
  EXPECT_EQ(window->handlers[0][0], base + 8);
  EXPECT_EQ(window->handlers[0][1], base);
  EXPECT_EQ(callAt(window->handlers[0][0]), 101u);
  EXPECT_EQ(callAt(window->handlers[0][1]), 100u);
  // The button's click handler gets its argument through the jump.
  ASSERT_EQ(window->handlers[1].size(), 1u);
  EXPECT_EQ(callAt(window->handlers[1][0], 5), 107u);
  // The menu-bar entry has none (-1 becomes 0); its item has one.
  EXPECT_EQ(window->handlers[2], std::vector<uintptr_t>({0}));
  EXPECT_EQ(callAt(window->handlers[3][0]), 103u);
}

}  // namespace
