// Property values as setProperty receives them and getProperty hands them
// out: words, zero-terminated texts and buffers with their lengths (an empty
// buffer goes out as a null pointer with length 0).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/component_type.h"

namespace lp {

inline std::vector<uint8_t> bufferOf(const PropertyValue* value) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(value->word);
  if (!bytes || value->length <= 0) return {};
  return std::vector<uint8_t>(bytes, bytes + value->length);
}

inline std::string textOf(const PropertyValue* value) {
  const char* text = reinterpret_cast<const char*>(value->word);
  return text ? text : "";
}

inline int32_t wordOf(const PropertyValue* value) { return static_cast<int32_t>(value->word); }

inline PropertyValue bufferValue(const std::vector<uint8_t>& bytes) {
  return {bytes.empty() ? 0 : reinterpret_cast<uintptr_t>(bytes.data()), static_cast<int32_t>(bytes.size())};
}
inline PropertyValue textValue(const std::string& s) { return {reinterpret_cast<uintptr_t>(s.c_str()), 0}; }
inline PropertyValue wordValue(int64_t v) { return {static_cast<uintptr_t>(static_cast<uint32_t>(v)), 0}; }

}  // namespace lp
