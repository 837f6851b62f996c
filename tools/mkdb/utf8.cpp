#include "tools/mkdb/utf8.h"

#include <stdexcept>

namespace mkdb {

std::u16string utf8ToUcs2(const std::string& text) {
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t extra;
    char32_t code;
    if (lead < 0x80) { extra = 0; code = lead; }
    else if ((lead & 0xE0) == 0xC0) { extra = 1; code = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; code = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) throw std::invalid_argument("character outside the Basic Multilingual Plane");
    else throw std::invalid_argument("malformed UTF-8");
    for (size_t k = 1; k <= extra; ++k) {
      if (i + k >= text.size()) throw std::invalid_argument("truncated UTF-8");
      unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) throw std::invalid_argument("malformed UTF-8");
      code = (code << 6) | (next & 0x3F);
    }
    if ((extra == 1 && code < 0x80) || (extra == 2 && code < 0x800) || (code >= 0xD800 && code <= 0xDFFF))
      throw std::invalid_argument("malformed UTF-8");
    out.push_back(static_cast<char16_t>(code));
    i += extra + 1;
  }
  return out;
}

}  // namespace mkdb
