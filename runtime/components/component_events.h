// Raising events from a component: the word event record handed to the
// runtime, the modifier state and key codes of the common events, and the
// rules by which a handler's result swallows or replaces a message.
#pragma once
#include <windows.h>
#include <cstdint>

namespace lp {

struct EventOutcome {
  bool handled = false;    // a handler ran
  bool hasResult = false;  // and returned a value
  uint32_t result = 0;
};

EventOutcome raiseEvent(uint32_t windowId, uint32_t unitId, int32_t event, int32_t argCount = 0,
                        const uint32_t* args = nullptr);

// False only when a handler returned the logical false.
inline bool allowedBy(const EventOutcome& outcome) { return !outcome.hasResult || outcome.result != 0; }

// 1 Ctrl, 2 Shift, 4 Alt, from the key state at the time of the message.
uint32_t modifierState();
// The same, leaving out the bit of the modifier key itself.
uint32_t modifierStateFor(uint32_t virtualKey);
// The key code reported to handlers: the low byte, the numeric keypad folded
// onto the main keyboard.
uint32_t foldedKeyCode(uint32_t virtualKey);

// Raises the common event a mouse, key, character or wheel message stands for
// (-1 to -6, -9 to -12) on the given unit. Returns true when the handler's
// result swallows the message; a WM_CHAR may get its character replaced.
bool raiseCommonEvent(uint32_t windowId, uint32_t unitId, MSG* msg);

}  // namespace lp
