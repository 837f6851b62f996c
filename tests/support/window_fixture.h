// In-process fixture of the window and component tests: the runtime
// initialised with the Core Library, the fake library and the Extended
// Interface Library, templates built in the test and read
// into the registry, handlers that log every event they receive and answer
// with a configured result, and a pump through the runtime's message pump.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/components/window_data.h"
#include "runtime/core/template_format.h"

namespace test {

constexpr uint32_t kWindowId = 0x52010001u;
constexpr uint32_t kOwnUnit = 0x06010000u;
constexpr uint32_t kWindowType = 0x00010001u;
constexpr uint32_t kMenuType = 0x00010003u;
constexpr uint32_t kExtendedLibrary = 3;
inline uint32_t componentId(uint32_t n) { return 0x16010000u + n; }
inline uint32_t menuId(uint32_t n) { return 0x26010000u + n; }

struct LoggedEvent {
  uint32_t unit;
  int32_t event;
  std::vector<uint64_t> args;  // as the handler received them
  bool operator==(const LoggedEvent& o) const { return unit == o.unit && event == o.event; }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The window's own unit with the given properties; every event of every
  // unit is bound to the logging handler.
  void setWindow(const lp::WindowData& data, int32_t width = 400, int32_t height = 300);
  void addComponent(uint32_t n, uint32_t typeCode, const std::vector<uint8_t>& block, int32_t tabOrder,
                    uint32_t state = lp::kStateVisible | lp::kStateTabStop, int32_t left = 10);
  void addMenu(uint32_t n, int32_t level, uint32_t flags, const std::string& caption);
  // Builds the template data, reads it into the registry and loads the window.
  bool load();

  HWND window() const;
  HWND unitWindow(uint32_t unitId) const;
  static void pump();
  // Sends a key through the message queue, with the modifiers held.
  void key(HWND target, UINT message, WPARAM vk, bool shift = false, bool alt = false);

  std::vector<LoggedEvent> eventsOf(uint32_t unit) const;
  bool raised(uint32_t unit, int32_t event) const;

  lp::WindowTemplate template_;
};

// Events received by the logging handler, in order.
std::vector<LoggedEvent>& eventLog();
// Called by the logging handler with each event, while it is dispatched.
std::function<void(const LoggedEvent&)>& handlerHook();
// The value the handler returns for (unit, event); none: it returns nothing.
std::map<std::pair<uint32_t, int32_t>, uint32_t>& handlerResults();

}  // namespace test
