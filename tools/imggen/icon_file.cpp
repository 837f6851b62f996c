#include "tools/imggen/icon_file.h"

namespace lp::imggen {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// The image as the directory entry points at it: a bitmap header of twice
// the height (colour and mask), the colour rows and the mask rows, each from
// the bottom up; mask rows are padded to four bytes, a set bit is transparent.
std::vector<uint8_t> imageBytes(const PixelImage& image) {
  std::vector<uint8_t> out;
  const uint32_t w = static_cast<uint32_t>(image.width), h = static_cast<uint32_t>(image.height);
  const uint32_t maskRow = (w + 31) / 32 * 4;
  put32(out, 40);
  put32(out, w);
  put32(out, h * 2);
  put16(out, 1);
  put16(out, 32);
  put32(out, 0);  // uncompressed
  put32(out, w * h * 4 + maskRow * h);
  for (int i = 0; i < 4; ++i) put32(out, 0);
  for (uint32_t y = h; y-- > 0;) {
    for (uint32_t x = 0; x < w; ++x) put32(out, image.pixels[y * w + x]);
  }
  for (uint32_t y = h; y-- > 0;) {
    std::vector<uint8_t> row(maskRow, 0);
    for (uint32_t x = 0; x < w; ++x) {
      if ((image.pixels[y * w + x] >> 24) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> iconFile(IconKind kind, const std::vector<PixelImage>& images) {
  std::vector<uint8_t> out;
  put16(out, 0);
  put16(out, static_cast<uint32_t>(kind));
  put16(out, static_cast<uint32_t>(images.size()));
  std::vector<std::vector<uint8_t>> bodies;
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (const PixelImage& image : images) {
    bodies.push_back(imageBytes(image));
    out.push_back(static_cast<uint8_t>(image.width));  // 256 is written as 0
    out.push_back(static_cast<uint8_t>(image.height));
    out.push_back(0);  // not a palette image
    out.push_back(0);
    // An icon names its planes and bits per pixel here, a cursor its hotspot.
    put16(out, kind == IconKind::Icon ? 1 : static_cast<uint32_t>(image.hotspotX));
    put16(out, kind == IconKind::Icon ? 32 : static_cast<uint32_t>(image.hotspotY));
    put32(out, static_cast<uint32_t>(bodies.back().size()));
    put32(out, offset);
    offset += static_cast<uint32_t>(bodies.back().size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace lp::imggen
