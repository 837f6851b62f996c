// A forward search in a GBK text whose candidate positions advance a whole
// character at a time, so a match never starts on the second byte of a
// two-byte character. No platform headers, so the fuzzers share it.
#pragma once
#include <cstdint>
#include <string_view>

namespace lp {

// The 1-based byte position of the first occurrence of sought at or after
// the 1-based start (1 or less: the beginning), or -1. A start inside a
// two-byte character begins at the next character. An empty sought text
// gives 1 when the searched part is not empty. With ignoreCase, ASCII letters
// compare without regard to case.
int32_t findText(std::string_view searched, std::string_view sought, int32_t start, bool ignoreCase);

}  // namespace lp
