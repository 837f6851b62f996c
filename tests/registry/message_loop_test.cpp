// The message loop's idle handlers and its modal mode.
#include <gtest/gtest.h>

#include "runtime/core/message_loop.h"
#include "runtime/core/runtime_state.h"

namespace {

struct IdleProbe {
  int calls = 0;
  int endAfter = 3;
  std::vector<int>* order = nullptr;
  int name = 0;
  HWND poke = nullptr;  // receives a message after each idle call
};

void idle(uintptr_t argument) {
  auto* probe = reinterpret_cast<IdleProbe*>(argument);
  probe->calls++;
  if (probe->order) probe->order->push_back(probe->name);
  // Ending the modal state is what closing a modal window does.
  if (probe->calls >= probe->endAfter) {
    lp::runtime().currentModalWindow = 0;
  } else if (probe->poke) {
    // The loop idles once per idle period: a new message starts another.
    PostMessageA(probe->poke, WM_NULL, 0, 0);
  }
}

HWND plainWindow() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST(MessageLoop, ModalLoopRunsIdleHandlersUntilTheModalWindowEnds) {
  HWND w = plainWindow();
  IdleProbe probe;
  probe.poke = w;
  ASSERT_TRUE(lp::addIdleHandler(w, idle, reinterpret_cast<uintptr_t>(&probe)));
  EXPECT_FALSE(lp::addIdleHandler(w, idle, 0)) << "a window registers once";
  EXPECT_FALSE(lp::addIdleHandler(nullptr, idle, 0));
  lp::runtime().currentModalWindow = 0x52010002u;
  PostMessageA(w, WM_NULL, 0, 0);
  lp::runMessageLoop(true);
  EXPECT_EQ(probe.calls, 3);
  lp::removeIdleHandler(w);
  DestroyWindow(w);
}

TEST(MessageLoop, IdleHandlersRunLastFirstAndDeadWindowsAreDropped) {
  std::vector<int> order;
  HWND first = plainWindow(), second = plainWindow(), dead = plainWindow();
  IdleProbe a{0, 1000, &order, 1}, b{0, 1, &order, 2}, c{0, 1000, &order, 3};
  lp::addIdleHandler(first, idle, reinterpret_cast<uintptr_t>(&a));
  lp::addIdleHandler(dead, idle, reinterpret_cast<uintptr_t>(&c));
  lp::addIdleHandler(second, idle, reinterpret_cast<uintptr_t>(&b));
  DestroyWindow(dead);
  lp::runtime().currentModalWindow = 1;
  lp::runMessageLoop(true);
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order[0], 2);
  EXPECT_EQ(order[1], 1);
  EXPECT_EQ(c.calls, 0);
  EXPECT_EQ(lp::runtime().idleHandlers.size(), 2u);
  lp::removeIdleHandler(first);
  lp::removeIdleHandler(second);
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST(MessageLoop, ModalLoopLeavesAQuitMessageInTheQueue) {
  lp::runtime().currentModalWindow = 1;
  PostQuitMessage(3);
  lp::runMessageLoop(true);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
  lp::runtime().currentModalWindow = 0;
}

}  // namespace
