// SplitText's cutting: the pieces lie one after another in the text,
// separated by the delimiter, and hold no delimiter at a character start.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_text_input.h"
#include "runtime/core/gbk_step.h"
#include "runtime/core/text_split.h"

namespace {

using fuzz::check;

bool delimiterAt(std::string_view text, size_t at, std::string_view delimiter) {
  return text.size() - at >= delimiter.size() && text.compare(at, delimiter.size(), delimiter) == 0;
}

// Walks the character starts of text from `from` up to `end`, as the scan
// does, checking that none holds the delimiter; the walk must land on end.
void checkPieceScan(std::string_view text, size_t from, size_t end, std::string_view delimiter) {
  size_t at = from;
  while (at < end && text.size() - at >= delimiter.size()) {
    check(!delimiterAt(text, at, delimiter));
    at += lp::characterWidth(text.data() + at, text.size() - at);
  }
  check(at == end || text.size() - at < delimiter.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  const uint8_t limitByte = input.byte();
  const int32_t maximum = limitByte >= 0x80 ? lp::kNoSplitLimit : limitByte % 8;
  const std::string_view delimiter = input.text(input.byte() % 5);
  const std::string_view text = input.text();
  const std::vector<std::string_view> pieces = lp::splitText(text, delimiter, maximum);

  if (text.empty() || maximum == 0) {
    check(pieces.empty());
    return 0;
  }
  if (delimiter.empty()) {
    check(pieces.size() == 1 && pieces[0].data() == text.data() && pieces[0].size() == text.size());
    return 0;
  }
  check(maximum == lp::kNoSplitLimit || pieces.size() <= static_cast<size_t>(maximum));

  // Each piece starts where the previous one's delimiter ends.
  size_t at = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    check(pieces[i].data() == text.data() + at && at + pieces[i].size() <= text.size());
    checkPieceScan(text, at, at + pieces[i].size(), delimiter);
    at += pieces[i].size();
    const bool last = i + 1 == pieces.size();
    if (last && at == text.size()) {
      check(!pieces[i].empty());  // no empty element after the last delimiter
    } else {
      check(delimiterAt(text, at, delimiter));
      at += delimiter.size();
    }
  }
  // Unless the limit cut the split short, the pieces and delimiters give
  // back the whole text.
  if (maximum == lp::kNoSplitLimit || pieces.size() < static_cast<size_t>(maximum)) check(at == text.size());
  return 0;
}
