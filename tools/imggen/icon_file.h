// Icon (.ico) and cursor (.cur) files as the resource compiler takes them:
// a directory, then each image as a 32-bit bitmap with its transparency mask.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/imggen/pixel_art.h"

namespace lp::imggen {

enum class IconKind { Icon = 1, Cursor = 2 };

std::vector<uint8_t> iconFile(IconKind kind, const std::vector<PixelImage>& images);

}  // namespace lp::imggen
