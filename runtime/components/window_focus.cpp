// Focus movement inside the window and the focus it takes back on activation.
#include "runtime/components/focus_order.h"
#include "runtime/components/window_object.h"
#include "runtime/components/window_units.h"

namespace lp {

std::vector<FocusUnit> focusUnits(const std::vector<WindowUnit>& units) {
  std::vector<FocusUnit> out(units.size());
  for (size_t i = 1; i < units.size(); ++i) {
    const WindowUnit& u = units[i];
    const uint32_t flags = typeFlags(u);
    out[i].tabOrder = u.info.tabOrder;
    out[i].label = (flags & kTypeLabelMnemonic) != 0;
    out[i].candidate = u.window && IsWindowVisible(u.window) && IsWindowEnabled(u.window) &&
                       (u.info.state & 4) != 0 && !(flags & (kTypeFunctionProvider | kTypeNoInitialFocus));
  }
  return out;
}

void moveFocusFrom(const std::vector<WindowUnit>& units, int position, bool forward) {
  const int next = nextFocus(focusUnits(units), position, forward);
  if (next <= 0) return;
  HWND target = units[static_cast<size_t>(next)].window;
  if (GetFocus() != target) SetFocus(target);
}

void moveFocus(WindowObject& w, HWND from, bool forward) {
  const std::vector<WindowUnit> units = windowUnits(w.windowId);
  moveFocusFrom(units, unitOwning(units, from, w.window), forward);
}

HWND initialFocus(WindowObject& w) {
  const std::vector<WindowUnit> units = windowUnits(w.windowId);
  const std::vector<int> sequence = tabSequence(focusUnits(units));
  return sequence.empty() ? nullptr : units[static_cast<size_t>(sequence.front())].window;
}

}  // namespace lp
