// SplitText: cuts a text at each occurrence of a delimiter into an array of
// texts. The delimiter is only looked for at character starts.
#include <cstring>
#include <string_view>
#include <vector>

#include "runtime/core/command_args.h"
#include "runtime/core/gbk_step.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/text_commands.h"

namespace lp {
namespace {

constexpr int32_t kNoLimit = -1;

std::vector<std::string_view> splitText(std::string_view text, std::string_view delimiter, int32_t maximum) {
  std::vector<std::string_view> pieces;
  if (text.empty() || maximum == 0) return pieces;
  if (delimiter.empty()) return {text};
  const auto full = [&] { return maximum != kNoLimit && pieces.size() >= static_cast<size_t>(maximum); };
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

// An array block of one dimension whose elements are text pointers.
void* textArray(const std::vector<std::string_view>& pieces) {
  const size_t count = pieces.size();
  auto* block = static_cast<unsigned char*>(
      allocate(static_cast<int32_t>(sizeof(ByteSetHead) + count * sizeof(char*))));
  const ByteSetHead head{1, static_cast<int32_t>(count)};
  std::memcpy(block, &head, sizeof head);
  for (size_t i = 0; i < count; ++i) {
    char* element = copyText(pieces[i].data(), static_cast<int32_t>(pieces[i].size()));
    std::memcpy(block + sizeof head + i * sizeof(char*), &element, sizeof element);
  }
  return block;
}

}  // namespace

void cmdSplitText(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const char* delimiter = hasArg(argCount, args, 1) ? textArg(argCount, args, 1) : ",";
  int32_t maximum = intArg(argCount, args, 2, kNoLimit);
  if (hasArg(argCount, args, 2) && maximum < 0) maximum = 0;
  setRecordPointer(*result, textArray(splitText(textArg(argCount, args, 0), delimiter, maximum)),
                   kText | kArrayFlag);
}

}  // namespace lp
