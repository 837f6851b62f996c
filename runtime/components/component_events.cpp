#include "runtime/components/component_events.h"

#include "runtime/components/library_link.h"
#include "runtime/core/event_dispatch.h"

namespace lp {

EventOutcome raiseEvent(uint32_t windowId, uint32_t unitId, int32_t event, int32_t argCount,
                        const uint32_t* args) {
  WordEvent record = {};
  record.windowId = windowId;
  record.unitId = unitId;
  record.event = event;
  record.argCount = argCount < 0 ? 0 : argCount > 5 ? 5 : argCount;
  for (int32_t i = 0; i < record.argCount; ++i) record.args[i] = args[i];
  EventOutcome outcome;
  outcome.handled = callRuntime(kSvcRaiseEvent, reinterpret_cast<uintptr_t>(&record)) != 0;
  outcome.hasResult = record.hasResult == 1;
  outcome.result = record.result;
  return outcome;
}

uint32_t modifierState() {
  uint32_t state = 0;
  if (GetKeyState(VK_CONTROL) < 0) state |= 1;
  if (GetKeyState(VK_SHIFT) < 0) state |= 2;
  if (GetKeyState(VK_MENU) < 0) state |= 4;
  return state;
}

uint32_t modifierStateFor(uint32_t virtualKey) {
  uint32_t state = modifierState();
  switch (virtualKey & 0xFF) {
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return state & ~1u;
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return state & ~2u;
    case VK_MENU: case VK_LMENU: case VK_RMENU: return state & ~4u;
    default: return state;
  }
}

uint32_t foldedKeyCode(uint32_t virtualKey) {
  const uint32_t key = virtualKey & 0xFF;
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return '0' + (key - VK_NUMPAD0);
  switch (key) {
    case VK_SUBTRACT: return VK_OEM_MINUS;
    case VK_DECIMAL: return VK_OEM_PERIOD;
    case VK_DIVIDE: return VK_OEM_2;
    default: return key;
  }
}

namespace {

int32_t mouseEvent(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return -1;
    case WM_LBUTTONUP: return -2;
    case WM_LBUTTONDBLCLK: return -3;
    case WM_RBUTTONDOWN: return -4;
    case WM_RBUTTONUP: return -5;
    case WM_MOUSEMOVE: return -6;
    default: return 0;
  }
}

}  // namespace

bool raiseCommonEvent(uint32_t windowId, uint32_t unitId, MSG* msg) {
  uint32_t args[3] = {};
  if (int32_t event = mouseEvent(msg->message)) {
    args[0] = static_cast<uint32_t>(static_cast<int16_t>(LOWORD(msg->lParam)));
    args[1] = static_cast<uint32_t>(static_cast<int16_t>(HIWORD(msg->lParam)));
    args[2] = modifierState();
    return !allowedBy(raiseEvent(windowId, unitId, event, 3, args));
  }
  switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
      args[0] = foldedKeyCode(static_cast<uint32_t>(msg->wParam));
      args[1] = modifierStateFor(static_cast<uint32_t>(msg->wParam));
      return !allowedBy(raiseEvent(windowId, unitId, down ? -9 : -10, 2, args));
    }
    case WM_CHAR: {
      args[0] = static_cast<uint32_t>(msg->wParam);
      EventOutcome outcome = raiseEvent(windowId, unitId, -11, 1, args);
      if (!outcome.hasResult) return false;
      if (outcome.result == 0) return true;
      msg->wParam = outcome.result;
      return false;
    }
    case WM_MOUSEWHEEL: {
      args[0] = static_cast<uint32_t>(static_cast<int16_t>(HIWORD(msg->wParam)) / WHEEL_DELTA);
      args[1] = modifierState();
      return !allowedBy(raiseEvent(windowId, unitId, -12, 2, args));
    }
    default:
      return false;
  }
}

}  // namespace lp
