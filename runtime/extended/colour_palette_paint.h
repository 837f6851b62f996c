// Painting the colour picker's palette.
#pragma once
#include "runtime/extended/colour_palette.h"

namespace lp {

// The default box, the 32 cells, the custom box, then the raised outer edge.
void paintPalette(ColourPalette& palette);

}  // namespace lp
