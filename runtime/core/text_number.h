// Reading a GBK text as a decimal number, after full-width digits, signs,
// point and space have been turned into ASCII. No platform headers, so the
// fuzzers share it.
#pragma once
#include <string>
#include <string_view>

namespace lp {

// The text with each full-width form that stands for an ASCII byte replaced
// by that byte; a lead byte without its second byte ends the copy.
std::string fullWidthToAscii(std::string_view text);

// Leading blanks, sign, digits, point and digits, exponent, read up to the
// first byte that does not fit; no digits at all read as 0. Only decimal
// forms are taken (no hexadecimal, infinity or NaN spellings), so the result
// is never NaN; a number beyond the double range reads as an infinity.
double textToNumber(std::string_view text);

}  // namespace lp
