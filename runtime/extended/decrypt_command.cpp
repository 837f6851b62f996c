#include "runtime/extended/decrypt_command.h"

#include <cstring>

#include "runtime/core/memory_service.h"
#include "runtime/extended/des_sealed.h"
#include "runtime/extended/rc4.h"

namespace lp {
namespace {

bool selectsRc4(int32_t argc, const ValueRecord* args) {
  return argc >= 3 && args[2].type == kInt && static_cast<int32_t>(args[2].low) == kRc4Algorithm;
}

}  // namespace

void decryptData(ValueRecord* result, int32_t argc, ValueRecord* args) {
  setRecordPointer(*result, nullptr, kByteSet);
  if (argc < 1 || args[0].type != kByteSet) return;
  const void* input = recordPointer(args[0]);
  int32_t length = byteSetSize(input);
  if (length <= 0) return;

  const char* key = argc >= 2 && args[1].type == kText ? static_cast<const char*>(recordPointer(args[1])) : nullptr;
  size_t keyLength = key ? std::strlen(key) : 0;

  // The argument is lent, and may be a constant of the program image.
  uint8_t* work = static_cast<uint8_t*>(tryAllocate(length));
  if (!work) return;
  std::memcpy(work, byteSetData(input), static_cast<size_t>(length));

  const uint8_t* keyBytes = reinterpret_cast<const uint8_t*>(key);
  if (selectsRc4(argc, args)) {
    rc4Apply(keyBytes, keyLength, work, static_cast<size_t>(length));
    setRecordPointer(*result, makeByteSet(work, length), kByteSet);
  } else {
    size_t plainLength = 0;
    if (openDesSealed(work, static_cast<size_t>(length), keyBytes, keyLength, &plainLength))
      setRecordPointer(*result, makeByteSet(work + 4, static_cast<int32_t>(plainLength)), kByteSet);
  }
  release(work);
}

}  // namespace lp
