#include "tests/support/window_fixture.h"

#include <array>
#include <utility>

#include "tests/support/fake_components.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/library_table.h"
#include "runtime/core/message_pump.h"
#include "runtime/core/window_loader.h"
#include "runtime/core/window_registry.h"

namespace test {

std::vector<LoggedEvent>& eventLog() {
  static std::vector<LoggedEvent> log;
  return log;
}

std::function<void(const LoggedEvent&)>& handlerHook() {
  static std::function<void(const LoggedEvent&)> hook;
  return hook;
}

std::map<std::pair<uint32_t, int32_t>, uint32_t>& handlerResults() {
  static std::map<std::pair<uint32_t, int32_t>, uint32_t> results;
  return results;
}

namespace {

constexpr int32_t kFirstEvent = -12;
constexpr int32_t kLastEvent = 11;

void codeBase(lp::HandlerCall*) {}

// One handler per event number, since a handler is not told its event.
template <int32_t Event>
void handler(lp::HandlerCall* call) {
  const uint32_t unit = lp::currentEventUnit();
  const int32_t count = call->argCount < 0 ? 0 : call->argCount > 12 ? 12 : call->argCount;
  eventLog().push_back({unit, Event, std::vector<uint64_t>(call->args, call->args + count)});
  if (handlerHook()) handlerHook()(eventLog().back());
  auto found = handlerResults().find({unit, Event});
  if (found != handlerResults().end()) {
    call->returned = 1;
    call->value = found->second;
  }
}

template <int32_t... I>
constexpr std::array<lp::EventHandler, sizeof...(I)> handlerTable(std::integer_sequence<int32_t, I...>) {
  return {handler<I + kFirstEvent>...};
}

const auto kHandlers = handlerTable(std::make_integer_sequence<int32_t, kLastEvent - kFirstEvent + 1>());

int32_t offsetOf(int32_t event) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(kHandlers[static_cast<size_t>(event - kFirstEvent)]) -
                              reinterpret_cast<intptr_t>(&codeBase));
}

std::vector<lp::EventBinding> allEvents() {
  std::vector<lp::EventBinding> events;
  for (int32_t e = kFirstEvent; e <= kLastEvent; ++e) events.push_back({e, offsetOf(e)});
  return events;
}

// The fake library takes number 2; the Extended Interface Library's types
// are reached as library 3.
const lp::LibraryInfo* const kLibraries[3] = {&lp::kCoreLibraryInfo, &kFakeLibraryInfo,
                                              &lp::kExtendedInterfaceLibraryInfo};

bool g_initialised = false;

}  // namespace
}  // namespace test

extern "C" const lp::ProgramHeader lp_program_header = {
    3, 0, 0x14536, nullptr, nullptr, 0, nullptr, 0, 3, test::kLibraries, 0, nullptr, nullptr};

namespace test {

void WindowTest::SetUp() {
  if (!g_initialised) {
    lp_entry_services.runtimeService(lp::kServiceInitialise, 0, 0, 0, 0);
    g_initialised = true;
  }
  eventLog().clear();
  handlerResults().clear();
  handlerHook() = nullptr;
  template_ = lp::WindowTemplate{};
  template_.id = kWindowId;
}

void WindowTest::TearDown() {
  if (HWND w = window()) DestroyWindow(w);
  pump();
}

void WindowTest::setWindow(const lp::WindowData& data, int32_t width, int32_t height) {
  lp::UnitRecord own;
  own.id = kOwnUnit;
  own.component.head.typeCode = kWindowType;
  own.component.left = 20;
  own.component.top = 20;
  own.component.width = width;
  own.component.height = height;
  own.component.state = lp::kStateVisible;
  own.component.events = allEvents();
  own.component.properties = data.write();
  template_.units.insert(template_.units.begin(), own);
}

void WindowTest::addComponent(uint32_t n, uint32_t typeCode, const std::vector<uint8_t>& block, int32_t tabOrder,
                              uint32_t state, int32_t left) {
  lp::UnitRecord unit;
  unit.id = componentId(n);
  unit.component.head.typeCode = typeCode;
  unit.component.left = left;
  unit.component.top = 10 + 30 * static_cast<int32_t>(n);
  unit.component.width = 120;
  unit.component.height = 24;
  unit.component.state = state;
  unit.component.tabOrder = tabOrder;
  unit.component.events = allEvents();
  unit.component.properties = block;
  template_.units.push_back(unit);
}

void WindowTest::addMenu(uint32_t n, int32_t level, uint32_t flags, const std::string& caption) {
  lp::UnitRecord unit;
  unit.id = menuId(n);
  unit.isMenu = true;
  unit.menu.head.typeCode = kMenuType;
  unit.menu.level = level;
  unit.menu.flags = flags;
  unit.menu.caption = caption;
  unit.menu.handlerOffset = offsetOf(0);
  template_.units.push_back(unit);
}

bool WindowTest::load() {
  lp::TemplateData data;
  data.windows.push_back(template_);
  const std::vector<uint8_t> bytes = lp::writeTemplateData(data);
  lp::loadWindowTemplates(bytes.data(), static_cast<uint32_t>(bytes.size()),
                          reinterpret_cast<const void*>(&codeBase));
  lp::WindowRecord* record = lp::findWindow(kWindowId);
  const bool loaded = record && lp::loadWindow(*record, false, false, nullptr);
  pump();
  return loaded && window() != nullptr;
}

HWND WindowTest::window() const { return unitWindow(0); }

HWND WindowTest::unitWindow(uint32_t unitId) const {
  lp::WindowRecord* record = lp::findWindow(kWindowId);
  if (!record) return nullptr;
  lp::ComponentObject* object = lp::liveObject(*record, lp::findUnit(*record, unitId));
  return object ? object->window : nullptr;
}

void WindowTest::pump() {
  MSG msg;
  for (int i = 0; i < 200 && PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i) {
    if (msg.message == WM_QUIT || !lp::pumpMessage()) break;
  }
}

void WindowTest::key(HWND target, UINT message, WPARAM vk, bool shift, bool alt) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_MENU] = alt ? 0x80 : 0;
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  PostMessageA(target, message, vk, alt ? (1 << 29) : 0);
  pump();
  state[VK_SHIFT] = state[VK_MENU] = 0;
  SetKeyboardState(state);
}

std::vector<LoggedEvent> WindowTest::eventsOf(uint32_t unit) const {
  std::vector<LoggedEvent> out;
  for (const LoggedEvent& e : eventLog())
    if (e.unit == unit) out.push_back(e);
  return out;
}

bool WindowTest::raised(uint32_t unit, int32_t event) const {
  for (const LoggedEvent& e : eventLog())
    if (e.unit == unit && e.event == event) return true;
  return false;
}

}  // namespace test
