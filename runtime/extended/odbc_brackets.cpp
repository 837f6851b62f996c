#include "runtime/extended/odbc_brackets.h"

namespace lp {

static bool isGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

std::string replaceBrackets(const std::string& statement, char quote) {
  if (quote == 0) return statement;
  std::string out;
  out.reserve(statement.size());
  bool inLiteral = false;
  for (size_t i = 0; i < statement.size(); ++i) {
    char c = statement[i];
    if (isGbkLeadByte(static_cast<unsigned char>(c)) && i + 1 < statement.size()) {
      out += c;
      out += statement[++i];
      continue;
    }
    // '' inside a literal closes and reopens it, which keeps both quotes.
    if (c == '\'') inLiteral = !inLiteral;
    if (!inLiteral && (c == '[' || c == ']')) {
      if (i + 1 < statement.size() && statement[i + 1] == c) {
        out += c;
        ++i;
      } else {
        out += quote;
      }
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace lp
