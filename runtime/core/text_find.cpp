#include "runtime/core/text_find.h"

#include <cstring>

#include "runtime/core/gbk_step.h"

namespace lp {
namespace {

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool matchesAt(const char* at, std::string_view sought, bool ignoreCase) {
  if (!ignoreCase) return std::memcmp(at, sought.data(), sought.size()) == 0;
  for (size_t i = 0; i < sought.size(); ++i) {
    if (foldAscii(at[i]) != foldAscii(sought[i])) return false;
  }
  return true;
}

// The first character start at or after offset; characters are only known
// by walking from the beginning.
size_t characterStartFrom(std::string_view text, size_t offset) {
  size_t at = 0;
  while (at < offset) at += characterWidth(text.data() + at, text.size() - at);
  return at;
}

}  // namespace

int32_t findText(std::string_view searched, std::string_view sought, int32_t start, bool ignoreCase) {
  const size_t from = start > 1 ? static_cast<size_t>(start) - 1 : 0;
  if (from > searched.size()) return -1;
  if (sought.empty()) return from < searched.size() ? 1 : -1;
  size_t at = characterStartFrom(searched, from);
  while (searched.size() - at >= sought.size()) {
    if (matchesAt(searched.data() + at, sought, ignoreCase)) return static_cast<int32_t>(at) + 1;
    at += characterWidth(searched.data() + at, searched.size() - at);
  }
  return -1;
}

}  // namespace lp
