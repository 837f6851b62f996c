// The focus-movement rules of a window (Tab, Shift+Tab, Enter moving the
// focus, a label's mnemonic), as a portable choice over the window's units.
#pragma once
#include <cstdint>
#include <vector>

namespace lp {

struct FocusUnit {
  int32_t tabOrder = 0;
  bool candidate = false;  // shown, enabled, a tab stop, and of a type that may take the focus
  bool label = false;      // its type moves the focus on past it (label mnemonic behaviour)
};

// units are the window's units in unit order; from is the position of the
// component that has the focus (0, the window itself, when none has it).
// Returns the position of the unit to focus, or -1 for none.
int nextFocus(const std::vector<FocusUnit>& units, int from, bool forward);

// Candidates in tab order (ties in unit order), as positions.
std::vector<int> tabSequence(const std::vector<FocusUnit>& units);

}  // namespace lp
