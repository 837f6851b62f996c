// Walking GBK (code page 936) texts character by character: a byte of 0x80
// or above starts a two-byte character. No platform headers, so the host
// tools share it.
#pragma once
#include <cstddef>

namespace lp {

constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// Bytes taken by the character at text in a text of `remaining` bytes:
// 2 for a lead byte with its second byte, otherwise 1 (a lead byte cut off
// at the end stands alone); 0 when nothing remains.
constexpr size_t characterWidth(const char* text, size_t remaining) {
  if (remaining == 0) return 0;
  return isLeadByte(static_cast<unsigned char>(text[0])) && remaining >= 2 ? 2 : 1;
}

// The next character of a zero-terminated text; a lead byte directly before
// the terminating zero stands alone, and the terminator itself is not passed.
inline const char* nextCharacter(const char* text) {
  if (*text == 0) return text;
  if (isLeadByte(static_cast<unsigned char>(text[0])) && text[1] != 0) return text + 2;
  return text + 1;
}

}  // namespace lp
