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

}  // namespace

int32_t findText(std::string_view searched, std::string_view sought, int32_t start, bool ignoreCase) {
  const size_t from = start > 1 ? static_cast<size_t>(start) - 1 : 0;
  if (from > searched.size()) return -1;
  if (sought.empty()) return from < searched.size() ? 1 : -1;
  size_t at = from;
  while (searched.size() - at >= sought.size()) {
    if (matchesAt(searched.data() + at, sought, ignoreCase)) return static_cast<int32_t>(at) + 1;
    at += characterWidth(searched.data() + at, searched.size() - at);
  }
  return -1;
}

}  // namespace lp
