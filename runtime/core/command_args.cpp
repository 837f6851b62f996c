#include "runtime/core/command_args.h"

#include <cstdint>
#include <cstring>

#include "runtime/core/memory_service.h"
#include "runtime/core/value_numbers.h"

namespace lp {

bool hasArg(int32_t argCount, const ValueRecord* args, int32_t index) {
  return index < argCount && args[index].type != kNoValue;
}

const char* textArg(int32_t argCount, const ValueRecord* args, int32_t index) {
  if (!hasArg(argCount, args, index) || args[index].type != kText) return "";
  const char* text = static_cast<const char*>(recordPointer(args[index]));
  return text ? text : "";
}

int32_t intArg(int32_t argCount, const ValueRecord* args, int32_t index, int32_t fallback) {
  if (!hasArg(argCount, args, index)) return fallback;
  const ValueRecord& arg = args[index];
  if (arg.type == kInt || arg.type == kLogical) return static_cast<int32_t>(arg.low);
  const double n = numberOf(arg);
  if (!(n > -2147483649.0)) return n != n ? 0 : INT32_MIN;  // NaN gives 0
  if (n >= 2147483648.0) return INT32_MAX;
  return static_cast<int32_t>(n);
}

bool logicalArg(int32_t argCount, const ValueRecord* args, int32_t index, bool fallback) {
  if (!hasArg(argCount, args, index)) return fallback;
  const ValueRecord& arg = args[index];
  if (arg.type == kLogical) return arg.low != 0;
  return numberOf(arg) != 0.0;
}

void setLogical(ValueRecord* result, bool value) { *result = {value ? 1u : 0u, 0, kLogical}; }

void setInteger(ValueRecord* result, int32_t value) {
  *result = {static_cast<uint32_t>(value), 0, kInt};
}

void setDouble(ValueRecord* result, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  *result = {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), kDouble};
}

void setText(ValueRecord* result, std::string_view text) {
  setRecordPointer(*result, copyText(text.data(), static_cast<int32_t>(text.size())), kText);
}

}  // namespace lp
