// JPEG decoding through libjpeg, kept apart from the platform headers (they
// define libjpeg's `boolean` differently from the library's own build).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lp {

// Decodes into top-down rows of 24-bit BGR pixels, each row padded to four
// bytes. False when the bytes are no decodable JPEG.
bool decodeJpegPixels(const uint8_t* data, size_t size, std::vector<uint8_t>& pixels, int* width,
                      int* height);

}  // namespace lp
