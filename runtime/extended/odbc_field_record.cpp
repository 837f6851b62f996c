#include "runtime/extended/odbc_field_record.h"

#include <cstring>

#include "runtime/core/memory_service.h"

namespace lp {

static ValueRecord word(uint32_t low, uint32_t type) { return ValueRecord{low, 0, type}; }

static ValueRecord eightBytes(double value, uint32_t type) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return ValueRecord{static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), type};
}

ValueRecord fieldValueRecord(const FieldValue& field) {
  ValueRecord r{0, 0, kText};
  switch (field.kind) {
    case kFieldByte: return word(field.value.byteValue, kByte);
    case kFieldShort: return word(static_cast<uint32_t>(static_cast<int32_t>(field.value.shortValue)), kShort);
    case kFieldInteger: return word(static_cast<uint32_t>(field.value.integerValue), kInt);
    case kFieldFloat: {
      uint32_t bits;
      std::memcpy(&bits, &field.value.floatValue, sizeof bits);
      return word(bits, kFloat);
    }
    case kFieldDouble: return eightBytes(field.value.doubleValue, kDouble);
    case kFieldLogical: return word(field.value.logical != 0 ? 1u : 0u, kLogical);
    case kFieldDateTime: return eightBytes(field.value.doubleValue, kDateTime);
    case kFieldText:
      setRecordPointer(r, field.value.text ? copyText(field.value.text, field.length) : nullptr,
                       kText);
      return r;
    case kFieldByteSet:
      setRecordPointer(r, field.value.bytes ? makeByteSet(field.value.bytes, field.length) : nullptr,
                       kByteSet);
      return r;
    default: return r;
  }
}

}  // namespace lp
