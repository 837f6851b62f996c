// FindText: the result is -1 or the first character start at or after the
// start position where the sought text is; ignoring case is the same as
// searching the texts with their ASCII letters lowered.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_text_input.h"
#include "runtime/core/gbk_step.h"
#include "runtime/core/text_find.h"

namespace {

using fuzz::check;

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool matchesAt(std::string_view searched, size_t at, std::string_view sought, bool ignoreCase) {
  if (searched.size() - at < sought.size()) return false;
  const std::string_view here = searched.substr(at, sought.size());
  return ignoreCase ? lowered(here) == lowered(sought) : here == sought;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  const bool ignoreCase = input.byte() & 1;
  const int32_t start = static_cast<int8_t>(input.byte());
  const std::string_view sought = input.text(input.byte() % 9);
  const std::string_view searched = input.text();
  const int32_t found = lp::findText(searched, sought, start, ignoreCase);

  const size_t from = start > 1 ? static_cast<size_t>(start) - 1 : 0;
  if (sought.empty()) {
    check(found == (from < searched.size() ? 1 : -1));
    return 0;
  }
  check(found == -1 || (found >= 1 && static_cast<size_t>(found) <= searched.size()));
  // Every character start from the start position on, up to the result, is
  // tried: only the result matches.
  const size_t end = found == -1 ? searched.size() : static_cast<size_t>(found) - 1;
  size_t at = 0;
  while (at < end) {
    if (at >= from) check(!matchesAt(searched, at, sought, ignoreCase));
    at += lp::characterWidth(searched.data() + at, searched.size() - at);
  }
  if (found != -1) check(at == end && end >= from && matchesAt(searched, at, sought, ignoreCase));

  if (ignoreCase) check(found == lp::findText(lowered(searched), lowered(sought), start, false));
  return 0;
}
