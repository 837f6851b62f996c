// The label component (type 10): a caption it paints itself over a
// background colour, picture or gradient, optionally in a gradient frame.
#pragma once
#include <cstdint>

namespace lp {

// The interface provider of the label type.
void* labelInterface(int32_t number);

// Asks a label to raise its event 0 with wParam and lParam as the two
// arguments; the label returns the handler's result (0 without one).
constexpr unsigned kMsgLabelEvent = 0x8075;

}  // namespace lp
