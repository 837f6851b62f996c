#include "runtime/extended/odbc_field_value.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/extended/odbc_day_number.h"

namespace lp {

// The fetched bytes as a C value; zero when fewer bytes came than it needs.
template <typename T>
static T fetchedAs(const FetchedField& field) {
  T v{};
  if (!field.isNull && field.bytes.size() >= sizeof v) std::memcpy(&v, field.bytes.data(), sizeof v);
  return v;
}

void emptyFieldValue(FieldValue* value) {
  if (!value) return;
  if (value->kind == kFieldText) std::free(value->value.text);
  if (value->kind == kFieldByteSet) std::free(value->value.bytes);
  std::memset(value, 0, sizeof *value);
}

void fillFieldValue(FieldKind kind, const FetchedField& field, FieldValue* value) {
  std::memset(value, 0, sizeof *value);
  value->kind = kind;
  bool empty = field.isNull || field.bytes.empty();
  switch (kind) {
    case kFieldByte: value->value.byteValue = fetchedAs<uint8_t>(field); break;
    case kFieldShort: value->value.shortValue = fetchedAs<int16_t>(field); break;
    case kFieldInteger: value->value.integerValue = fetchedAs<int32_t>(field); break;
    case kFieldFloat: value->value.floatValue = fetchedAs<float>(field); break;
    case kFieldDouble: value->value.doubleValue = fetchedAs<double>(field); break;
    case kFieldLogical: value->value.logical = fetchedAs<uint8_t>(field) != 0 ? 1 : 0; break;
    case kFieldDateTime:
      if (!empty && field.bytes.size() >= sizeof(TimestampParts))
        value->value.doubleValue = dayNumberOfTimestamp(fetchedAs<TimestampParts>(field));
      break;
    case kFieldText:
      if (!empty) {
        char* copy = static_cast<char*>(std::malloc(field.bytes.size() + 1));
        if (!copy) break;
        std::memcpy(copy, field.bytes.data(), field.bytes.size());
        copy[field.bytes.size()] = 0;
        value->value.text = copy;
        value->length = static_cast<int32_t>(field.bytes.size());
      }
      break;
    case kFieldByteSet:
      if (!empty) {
        uint8_t* copy = static_cast<uint8_t*>(std::malloc(field.bytes.size()));
        if (!copy) break;
        std::memcpy(copy, field.bytes.data(), field.bytes.size());
        value->value.bytes = copy;
        value->length = static_cast<int32_t>(field.bytes.size());
      }
      break;
    default: value->kind = kFieldNone; break;
  }
}

std::string fieldText(FieldKind kind, const FetchedField& field) {
  if (field.isNull) return "";
  char text[64];
  switch (kind) {
    case kFieldByte: std::snprintf(text, sizeof text, "%u", fetchedAs<uint8_t>(field)); break;
    case kFieldShort: std::snprintf(text, sizeof text, "%d", fetchedAs<int16_t>(field)); break;
    case kFieldInteger: std::snprintf(text, sizeof text, "%ld", static_cast<long>(fetchedAs<int32_t>(field))); break;
    case kFieldFloat: std::snprintf(text, sizeof text, "%.7g", fetchedAs<float>(field)); break;
    case kFieldDouble: std::snprintf(text, sizeof text, "%.15g", fetchedAs<double>(field)); break;
    case kFieldLogical: return fetchedAs<uint8_t>(field) != 0 ? "1" : "0";
    case kFieldDateTime:
      if (field.bytes.size() < sizeof(TimestampParts)) return "";
      return timestampText(fetchedAs<TimestampParts>(field));
    default: return field.bytes;
  }
  return text;
}

}  // namespace lp
