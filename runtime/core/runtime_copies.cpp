// Copies the commands and components hand out as results; the receiver frees
// them with release().
#include <cstring>

#include "runtime/core/memory_service.h"
#include "runtime/core/value.h"

namespace lp {

char* copyText(const char* source, int32_t length) {
  if (!source || length < 1) return nullptr;
  char* text = static_cast<char*>(allocate(length + 1));
  std::memcpy(text, source, length);
  text[length] = 0;
  return text;
}

char* copyText(const char* source) {
  if (!source || !*source) return nullptr;
  size_t length = std::strlen(source);
  if (length > INT32_MAX - 1) length = INT32_MAX - 1;
  return copyText(source, static_cast<int32_t>(length));
}

void* makeByteSet(const void* source, int32_t length) {
  if (length <= 0) return nullptr;
  void* block = allocate(length + static_cast<int32_t>(sizeof(ByteSetHead)));
  ByteSetHead* head = static_cast<ByteSetHead*>(block);
  head->dimensions = 1;
  head->count = length;
  unsigned char* bytes = static_cast<unsigned char*>(block) + sizeof(ByteSetHead);
  // Without a source the caller fills the bytes; start them from zero.
  if (source) std::memcpy(bytes, source, length);
  else std::memset(bytes, 0, length);
  return block;
}

}  // namespace lp
