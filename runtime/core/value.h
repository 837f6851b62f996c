// Typed values as they cross between the application, the command library
// and the components: type codes, value records and the memory blocks behind
// texts, byte-sets and arrays. No platform headers: the host tools use it too.
#pragma once
#include <cstdint>

namespace lp {

// Basic types have the top two bits 10; numeric ones have the low byte 0x01.
enum TypeCode : uint32_t {
  kNoValue = 0x00000000u,
  kByte = 0x80000101u,
  kShort = 0x80000201u,
  kInt = 0x80000301u,
  kLong = 0x80000401u,
  kFloat = 0x80000501u,
  kDouble = 0x80000601u,
  kLogical = 0x80000002u,
  kDateTime = 0x80000003u,
  kText = 0x80000004u,
  kByteSet = 0x80000005u,
  kSubroutine = 0x80000006u,
};

constexpr uint32_t kArrayFlag = 0x20000000u;
constexpr uint32_t elementType(uint32_t code) { return code & ~kArrayFlag; }
constexpr bool isArrayType(uint32_t code) { return (code & kArrayFlag) != 0; }
constexpr bool isBasicType(uint32_t code) { return (code & 0xC0000000u) == 0x80000000u; }
constexpr bool isNumericType(uint32_t code) { return isBasicType(code) && (code & 0xFFu) == 0x01u; }

// Bytes per element of a numeric type; 0 for every other code.
int numericWidth(uint32_t code);

// A unit type code: library number in the high half, type number in the low.
constexpr uint32_t unitType(uint32_t library, uint32_t type) { return (library << 16) | type; }

// The 12-byte record in which commands take arguments and give results.
// A component argument uses it as {window id, unit id, unit type}.
struct ValueRecord {
  uint32_t low;
  uint32_t high;
  uint32_t type;
};
static_assert(sizeof(ValueRecord) == 12, "value records are 12 bytes");

// Byte-set block: {1, n, bytes}. It is exactly a one-dimensional byte array.
struct ByteSetHead {
  int32_t dimensions;
  int32_t count;
};

// Array block: dimension count d, d sizes, then the packed elements.
// A null block is an empty array; so is one with 0 dimensions.
int64_t arrayElementCount(const void* block);
const unsigned char* arrayElements(const void* block);
unsigned char* arrayElements(void* block);
int32_t arrayHeaderSize(const void* block);

// Byte-set accessors; a null block is the empty byte-set.
int32_t byteSetSize(const void* block);
const unsigned char* byteSetData(const void* block);

}  // namespace lp

namespace lp {

// A text or byte-set pointer in a value record: the low word on 32-bit, low
// and high word together where addresses are 64 bits wide.
inline void* recordPointer(const ValueRecord& r) {
  uintptr_t p = r.low;
  if (sizeof(void*) > 4) p |= static_cast<uintptr_t>(static_cast<uint64_t>(r.high) << 32);
  return reinterpret_cast<void*>(p);
}
inline void setRecordPointer(ValueRecord& r, const void* pointer, uint32_t type) {
  uint64_t p = reinterpret_cast<uintptr_t>(pointer);
  r.low = static_cast<uint32_t>(p);
  r.high = static_cast<uint32_t>(p >> 32);
  r.type = type;
}

}  // namespace lp
