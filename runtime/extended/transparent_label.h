// The transparent label (Extended type 5): a caption painted straight onto
// whatever lies behind it, never a background of its own.
#pragma once
#include <cstdint>

namespace lp {

// The interface provider of the transparent label type.
void* transparentLabelInterface(int32_t number);

}  // namespace lp
