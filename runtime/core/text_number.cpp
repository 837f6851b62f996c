#include "runtime/core/text_number.h"

#include <cstdlib>

#include "runtime/core/gbk_step.h"

namespace lp {
namespace {

// The ASCII byte a two-byte full-width character stands for, or 0.
char asciiOf(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead != 0xA1) return 0;
  switch (trail) {
    case 0xA1: return ' ';
    case 0xAB: return '~';
    case 0xEE:
    case 0xEF: return '*';
    default: return 0;
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

double readDecimal(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digits = false;
  while (i < text.size() && isDigit(text[i])) number += text[i++], digits = true;
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && isDigit(text[i])) number += text[i++], digits = true;
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      number.append(text, i, j - i);
      while (j < text.size() && isDigit(text[j])) number += text[j++];
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

std::string fullWidthToAscii(std::string_view text) {
  std::string out;
  for (size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (!isLeadByte(lead)) {
      out += text[at++];
      continue;
    }
    if (at + 1 == text.size()) break;
    if (char ascii = asciiOf(lead, static_cast<unsigned char>(text[at + 1]))) {
      out += ascii;
    } else {
      out.append(text, at, 2);
    }
    at += 2;
  }
  return out;
}

double textToNumber(std::string_view text) { return readDecimal(fullWidthToAscii(text)); }

}  // namespace lp
