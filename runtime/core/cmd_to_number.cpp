// ToNumber: numbers keep their value; texts are read as decimal numbers after
// full-width digits, signs, point and space have been turned into ASCII.
#include <cstdlib>
#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/gbk_step.h"
#include "runtime/core/text_commands.h"
#include "runtime/core/value_numbers.h"

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

std::string fullWidthToAscii(const char* text) {
  std::string out;
  for (const char* p = text; *p;) {
    const auto lead = static_cast<unsigned char>(p[0]);
    if (!isLeadByte(lead)) {
      out += *p++;
      continue;
    }
    if (p[1] == 0) break;  // a lead byte without its second byte ends the copy
    if (char ascii = asciiOf(lead, static_cast<unsigned char>(p[1]))) {
      out += ascii;
    } else {
      out.append(p, 2);
    }
    p += 2;
  }
  return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Leading blanks, sign, digits, point and digits, exponent; stops at the
// first byte that does not fit. No digits at all read as 0. Only decimal
// forms are taken (no hexadecimal, infinity or NaN spellings).
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

void cmdToNumber(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  if (argCount < 1) return setDouble(result, 0.0);
  const ValueRecord& value = args[0];
  switch (value.type) {
    case kText:
      return setDouble(result, readDecimal(fullWidthToAscii(textArg(argCount, args, 0))));
    case kByte:
    case kShort:
    case kInt:
    case kLong:
    case kFloat:
    case kDouble:
    case kLogical:
    case kSubroutine:
      return setDouble(result, numberOf(value));
    default:
      return setDouble(result, 0.0);
  }
}

}  // namespace lp
