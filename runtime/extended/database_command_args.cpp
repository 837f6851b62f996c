#include "runtime/extended/database_command_args.h"

#include "runtime/components/library_link.h"

namespace lp {

ExternalDatabase* databaseArgument(int32_t argc, const ValueRecord* args) {
  if (argc < 1 || !args) return nullptr;
  return reinterpret_cast<ExternalDatabase*>(callRuntime(kSvcRequireComponent, args[0].low, args[0].high));
}

bool isOmitted(int32_t argc, const ValueRecord* args, int32_t index) {
  return index >= argc || !args || args[index].type == kNoValue;
}

const char* textArgument(int32_t argc, const ValueRecord* args, int32_t index) {
  if (isOmitted(argc, args, index) || args[index].type != kText) return nullptr;
  return static_cast<const char*>(recordPointer(args[index]));
}

int32_t integerArgument(int32_t argc, const ValueRecord* args, int32_t index) {
  if (isOmitted(argc, args, index)) return 0;
  const ValueRecord& value = args[index];
  if (value.type == kInt || value.type == kLogical) return static_cast<int32_t>(value.low);
  if (!isNumericType(value.type)) return 0;
  double number = 0;
  callRuntime(kSvcToDouble, reinterpret_cast<uintptr_t>(&value), reinterpret_cast<uintptr_t>(&number));
  if (!(number == number)) return 0;
  if (number >= 2147483647.0) return INT32_MAX;
  if (number <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(number);
}

DbHandle handleArgument(int32_t argc, const ValueRecord* args, int32_t index) {
  return static_cast<DbHandle>(static_cast<uint32_t>(integerArgument(argc, args, index)));
}

ValueRecord integerValue(int32_t value) { return ValueRecord{static_cast<uint32_t>(value), 0, kInt}; }

ValueRecord logicalValue(bool value) { return ValueRecord{value ? 1u : 0u, 0, kLogical}; }

}  // namespace lp
