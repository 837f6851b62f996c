#include "runtime/core/text_split.h"

#include "runtime/core/gbk_step.h"

namespace lp {

std::vector<std::string_view> splitText(std::string_view text, std::string_view delimiter, int32_t maximum) {
  std::vector<std::string_view> pieces;
  if (text.empty() || maximum == 0) return pieces;
  if (delimiter.empty()) return {text};
  const auto full = [&] { return maximum != kNoSplitLimit && pieces.size() >= static_cast<size_t>(maximum); };
  size_t pieceStart = 0, at = 0;
  while (text.size() - at >= delimiter.size()) {
    if (text.compare(at, delimiter.size(), delimiter) == 0) {
      pieces.push_back(text.substr(pieceStart, at - pieceStart));
      at += delimiter.size();
      pieceStart = at;
      if (full()) return pieces;
    } else {
      at += characterWidth(text.data() + at, text.size() - at);
    }
  }
  if (pieceStart < text.size()) pieces.push_back(text.substr(pieceStart));
  return pieces;
}

}  // namespace lp
