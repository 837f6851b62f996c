#include "runtime/components/font_record.h"

#include <cstring>

#include "runtime/components/property_stream.h"

namespace lp {

bool decodeFont(const uint8_t* data, size_t size, FontRecord& font) {
  if (!isFont(size) || !data) return false;
  PropertyReader in(data, size);
  font.height = in.i32();
  font.width = in.i32();
  font.escapement = in.i32();
  font.orientation = in.i32();
  font.weight = in.i32();
  font.italic = in.u8();
  font.underline = in.u8();
  font.strikeOut = in.u8();
  font.charSet = in.u8();
  font.outPrecision = in.u8();
  font.clipPrecision = in.u8();
  font.quality = in.u8();
  font.pitchAndFamily = in.u8();
  std::memcpy(font.faceName, data + size - kFaceNameSize, kFaceNameSize);
  return true;
}

bool decodeFont(const std::vector<uint8_t>& buffer, FontRecord& font) {
  return decodeFont(buffer.data(), buffer.size(), font);
}

std::vector<uint8_t> encodeFont(const FontRecord& font) {
  PropertyWriter out;
  out.i32(font.height);
  out.i32(font.width);
  out.i32(font.escapement);
  out.i32(font.orientation);
  out.i32(font.weight);
  out.u8(font.italic);
  out.u8(font.underline);
  out.u8(font.strikeOut);
  out.u8(font.charSet);
  out.u8(font.outPrecision);
  out.u8(font.clipPrecision);
  out.u8(font.quality);
  out.u8(font.pitchAndFamily);
  out.raw(reinterpret_cast<const uint8_t*>(font.faceName), kFaceNameSize);
  return out.take();
}

std::string faceName(const FontRecord& font) {
  const void* end = std::memchr(font.faceName, 0, kFaceNameSize);
  size_t length = end ? static_cast<const char*>(end) - font.faceName : kFaceNameSize;
  return std::string(font.faceName, length);
}

namespace {

// The longest prefix of at most limit bytes that ends on a character
// boundary: a GBK lead byte (0x81 to 0xFE) always takes the byte after it.
size_t gbkPrefix(const std::string& text, size_t limit) {
  size_t at = 0;
  while (at < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[at]);
    size_t width = (c >= 0x81 && c <= 0xFE && at + 1 < text.size()) ? 2 : 1;
    if (at + width > limit) break;
    at += width;
  }
  return at;
}

}  // namespace

void setFaceName(FontRecord& font, const std::string& name) {
  std::memset(font.faceName, 0, kFaceNameSize);
  size_t length = gbkPrefix(name, kFaceNameSize - 1);
  std::memcpy(font.faceName, name.data(), length);
}

}  // namespace lp
