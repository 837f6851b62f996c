// Element counts and views of the memory blocks behind byte-sets and arrays.
#include "runtime/core/value.h"

namespace lp {

int numericWidth(uint32_t code) {
  switch (code) {
    case kByte: return 1;
    case kShort: return 2;
    case kInt:
    case kFloat: return 4;
    case kLong:
    case kDouble: return 8;
    default: return 0;
  }
}

namespace {

const int32_t* words(const void* block) { return static_cast<const int32_t*>(block); }

// A negative dimension count can only come from a damaged block; reading it
// as 0 keeps every caller inside the header.
int32_t dimensionCount(const void* block) {
  int32_t d = words(block)[0];
  return d < 0 ? 0 : d;
}

}  // namespace

int32_t arrayHeaderSize(const void* block) {
  if (!block) return 0;
  return 4 + 4 * dimensionCount(block);
}

int64_t arrayElementCount(const void* block) {
  if (!block) return 0;
  int32_t d = dimensionCount(block);
  if (d == 0) return 0;
  int64_t count = 1;
  for (int32_t i = 1; i <= d; ++i) {
    int32_t size = words(block)[i];
    if (size <= 0) return 0;
    count *= size;
    // Beyond any addressable block: the sizes are damaged.
    if (count > INT32_MAX) return 0;
  }
  return count;
}

const unsigned char* arrayElements(const void* block) {
  if (!block) return nullptr;
  return static_cast<const unsigned char*>(block) + arrayHeaderSize(block);
}

unsigned char* arrayElements(void* block) {
  if (!block) return nullptr;
  return static_cast<unsigned char*>(block) + arrayHeaderSize(block);
}

int32_t byteSetSize(const void* block) {
  if (!block) return 0;
  int32_t n = static_cast<const ByteSetHead*>(block)->count;
  return n < 0 ? 0 : n;
}

const unsigned char* byteSetData(const void* block) {
  if (!block) return nullptr;
  return static_cast<const unsigned char*>(block) + sizeof(ByteSetHead);
}

}  // namespace lp
