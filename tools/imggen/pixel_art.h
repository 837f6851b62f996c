// Pixel art: an image written as text, one character per pixel, with a
// colour named for each character. The program's icon and cursors are kept
// this way so that they can be read and changed in any editor.
//
//   # comment (also after a line's content)
//   colour K 000000     the character K is this RGB colour
//   hotspot 5 0         for cursors: the pixel the pointer points with
//   .....KK.....        rows; "." is transparent
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lp::imggen {

struct PixelImage {
  int width = 0;
  int height = 0;
  int hotspotX = 0;
  int hotspotY = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, row by row from the top
};

// Reads the text; on a fault returns false and says what and on which line.
bool readPixelArt(const std::string& text, PixelImage& image, std::string& error);

}  // namespace lp::imggen
