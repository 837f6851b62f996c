#include "runtime/components/focus_order.h"

#include <algorithm>

namespace lp {

std::vector<int> tabSequence(const std::vector<FocusUnit>& units) {
  std::vector<int> order;
  for (size_t i = 0; i < units.size(); ++i) {
    if (units[i].candidate) order.push_back(static_cast<int>(i));
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return units[static_cast<size_t>(a)].tabOrder < units[static_cast<size_t>(b)].tabOrder; });
  return order;
}

int nextFocus(const std::vector<FocusUnit>& units, int from, bool forward) {
  const std::vector<int> order = tabSequence(units);
  if (order.empty()) return -1;
  const int count = static_cast<int>(order.size());
  const bool known = from >= 0 && static_cast<size_t>(from) < units.size();
  if (known && units[static_cast<size_t>(from)].candidate) {
    const int at = static_cast<int>(std::find(order.begin(), order.end(), from) - order.begin());
    return order[static_cast<size_t>(forward ? (at + 1) % count : (at + count - 1) % count)];
  }
  if (known && units[static_cast<size_t>(from)].label) {
    // Past a label: no wrapping, by tab order alone.
    const int32_t labelOrder = units[static_cast<size_t>(from)].tabOrder;
    if (forward) {
      for (int p : order)
        if (units[static_cast<size_t>(p)].tabOrder >= labelOrder) return p;
      return -1;
    }
    for (int i = count - 1; i >= 0; --i)
      if (units[static_cast<size_t>(order[static_cast<size_t>(i)])].tabOrder < labelOrder) return order[static_cast<size_t>(i)];
    return -1;
  }
  // From elsewhere: the pivot is the first candidate, in tab order, that does
  // not come after the component in unit order.
  const int own = known ? from : 0;
  for (int i = 0; i < count; ++i) {
    if (order[static_cast<size_t>(i)] <= own) {
      return forward ? order[static_cast<size_t>(i)] : order[static_cast<size_t>((i + count - 1) % count)];
    }
  }
  return forward ? order.front() : order.back();
}

}  // namespace lp
