// Cutting a GBK text at each occurrence of a delimiter. No platform headers,
// so the host tools and the fuzzers share it.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace lp {

constexpr int32_t kNoSplitLimit = -1;

// The pieces of text between delimiters, as views into text. The delimiter
// is only looked for at character starts; an empty text or a maximum of 0
// gives no pieces, an empty delimiter the whole text; an empty piece after
// the last delimiter is left out. maximum is kNoSplitLimit or a count >= 0.
std::vector<std::string_view> splitText(std::string_view text, std::string_view delimiter, int32_t maximum);

}  // namespace lp
