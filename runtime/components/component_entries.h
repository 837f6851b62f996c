// Entry points every component implements the same way on top of its data
// object: the serialised properties as a movable global block, and the text
// conversion of a stored property data block.
#pragma once
#include <windows.h>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/components/library_link.h"
#include "runtime/components/stored_texts.h"
#include "runtime/core/component_type.h"

namespace lp {

// A component's entry points, as its interface provider hands them out by
// number; the ones a component does not have stay null.
struct ComponentEntries {
  CreateFn create;
  SetPropertyFn setProperty;
  GetAllPropertyDataFn getAllPropertyData;
  GetPropertyFn getProperty;
  ConvertTextsFn convertTexts = nullptr;
  WantsKeyFn wantsKey = nullptr;
  GetIconDataFn getIconData = nullptr;
  IsDefaultButtonFn isDefaultButton = nullptr;
};

// The entry of that number (kEntry...), or null.
void* entryOf(const ComponentEntries& entries, int32_t number);

// A new movable global block holding the bytes (the caller frees it).
HGLOBAL globalBlock(const std::vector<uint8_t>& bytes);

// convertTexts for a data object type: every stored text goes through the
// callback; the re-serialised block comes from the runtime's memory service.
template <class Data>
uint8_t* convertTextsOf(const uint8_t* block, int32_t* length, TextCallback callback, void* user) {
  if (!length || !callback) return nullptr;
  std::vector<uint8_t> out;
  const size_t size = *length > 0 ? static_cast<size_t>(*length) : 0;
  TextVisitor visit = [&](std::string& text, bool face) {
    const char* converted = callback(text.c_str(), face ? 1 : 0, user);
    if (converted) text = converted;
  };
  if (!convertBlockTexts<Data>(block, size, visit, out)) return nullptr;
  auto* copy = reinterpret_cast<uint8_t*>(callRuntime(kSvcAllocate, out.size() ? out.size() : 1, 0));
  if (!copy) return nullptr;
  if (!out.empty()) std::memcpy(copy, out.data(), out.size());
  *length = static_cast<int32_t>(out.size());
  return copy;
}

}  // namespace lp
