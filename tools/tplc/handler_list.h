// The reader's event handlers in code order, as listed in handlers.txt. The
// code base holds one 8-byte slot per handler, so a handler's offset from
// the code base is 8 times its position; the first handler sits at offset 0.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tplc {

constexpr int32_t kHandlerSlotSize = 8;
constexpr int32_t kNoHandler = -1;

struct HandlerList {
  std::vector<std::string> names;

  // The offset of a listed handler, or kNoHandler when it is not listed.
  int32_t offsetOf(const std::string& name) const;
};

// One C identifier per statement; a repeated or malformed name is an error.
bool parseHandlerList(const std::string& text, HandlerList& list, std::string& error);

}  // namespace tplc
