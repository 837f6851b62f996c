// Little helpers for laying out little-endian (and a few big-endian) integers
// in byte buffers; every on-disk structure of the writer goes through these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace jet4 {

using Bytes = std::vector<uint8_t>;

inline void appendU8(Bytes& out, uint32_t v) { out.push_back(static_cast<uint8_t>(v)); }
inline void appendU16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void appendU24(Bytes& out, uint32_t v) {
  appendU16(out, v);
  out.push_back(static_cast<uint8_t>(v >> 16));
}
inline void appendU32(Bytes& out, uint32_t v) {
  appendU16(out, v);
  appendU16(out, v >> 16);
}
inline void appendBeU24(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}
inline void appendBytes(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }
inline void appendZeros(Bytes& out, size_t n) { out.insert(out.end(), n, 0); }
inline void appendUcs2(Bytes& out, const std::u16string& s) {
  for (char16_t c : s) appendU16(out, c);
}

inline void putU16(Bytes& page, size_t at, uint32_t v) {
  page[at] = static_cast<uint8_t>(v);
  page[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void putU32(Bytes& page, size_t at, uint32_t v) {
  putU16(page, at, v);
  putU16(page, at + 2, v >> 16);
}
inline void putBytes(Bytes& page, size_t at, const Bytes& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) page[at + i] = bytes[i];
}

// A pointer to a row: u8 row number in the low byte, page number above it.
inline uint32_t rowPointer(uint32_t page, uint32_t row) { return (page << 8) | row; }

}  // namespace jet4
