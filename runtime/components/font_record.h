// The font record the components store: the 60-byte LOGFONTA layout, kept
// here as a portable struct so the host template builder can make one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lp {

constexpr size_t kFontRecordSize = 60;
constexpr size_t kFaceNameSize = 32;  // including the terminating zero

struct FontRecord {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  char faceName[kFaceNameSize] = {};
};

// A font buffer is a font exactly when it holds 60 bytes; any other length
// (empty included) stands for the stock GUI font.
inline bool isFont(size_t size) { return size == kFontRecordSize; }
inline bool isFont(const std::vector<uint8_t>& buffer) { return isFont(buffer.size()); }

bool decodeFont(const uint8_t* data, size_t size, FontRecord& font);
bool decodeFont(const std::vector<uint8_t>& buffer, FontRecord& font);
std::vector<uint8_t> encodeFont(const FontRecord& font);

// The face name up to its zero (or all 32 bytes when there is none).
std::string faceName(const FontRecord& font);
// Stores at most 31 bytes, never splitting a GBK double-byte character, and
// zero-fills the rest of the field.
void setFaceName(FontRecord& font, const std::string& name);

}  // namespace lp
