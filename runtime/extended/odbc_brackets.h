// Identifier brackets in statements: [name] becomes the driver's identifier
// quote character. Portable, no platform headers.
#pragma once
#include <string>

namespace lp {

// Outside single-quoted literals every '[' and ']' becomes `quote`, and a
// doubled bracket ("[[" or "]]") stands for one literal bracket. Literals
// (with '' as an escaped quote) pass unchanged. The text is GBK: the second
// byte of a two-byte character may look like a bracket and is never one.
// A quote of 0 (the driver named none) leaves the statement as it is.
std::string replaceBrackets(const std::string& statement, char quote);

}  // namespace lp
