// The button component (type 11): a standard push button that raises its
// click event, may be the window's default button and may show a picture.
#pragma once
#include <cstdint>

namespace lp {

// The interface provider of the button type.
void* buttonInterface(int32_t number);

}  // namespace lp
