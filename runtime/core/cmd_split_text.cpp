// SplitText: cuts a text at each occurrence of a delimiter into an array of
// texts (the cutting itself is in text_split.cpp).
#include <cstring>
#include <vector>

#include "runtime/core/command_args.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/text_commands.h"
#include "runtime/core/text_split.h"

namespace lp {
namespace {

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
  int32_t maximum = intArg(argCount, args, 2, kNoSplitLimit);
  if (hasArg(argCount, args, 2) && maximum < 0) maximum = 0;
  setRecordPointer(*result, textArray(splitText(textArg(argCount, args, 0), delimiter, maximum)),
                   kText | kArrayFlag);
}

}  // namespace lp
