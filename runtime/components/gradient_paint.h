// Painting the shared colour gradients on Win32: the fill, rendered into a
// 32-bit DIB in tiles of at most 50 x 50 pixels clipped to the paint clip
// box, and the mitred gradient frame.
#pragma once
#include <windows.h>

#include "runtime/components/gradient_fill.h"

namespace lp {

// Fills area with the gradient; only the parts meeting clip are drawn.
void paintGradient(HDC dc, const RECT& area, const RECT& clip, int32_t mode, const GradientColours& colours);

// Draws the frame of width w along the inside of area and returns the
// rectangle inside it.
RECT paintGradientFrame(HDC dc, const RECT& area, const RECT& clip, int32_t width, const GradientColours& colours);

}  // namespace lp
