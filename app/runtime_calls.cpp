#include "app/runtime_calls.h"

#include "runtime/core/entry_services.h"
#include "runtime/core/program_header.h"

namespace reader {
namespace {

const lp::EntryServices& rt() { return lp_entry_services; }

uint32_t lowOf(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }
uint32_t highOf(const void* p) {
  return static_cast<uint32_t>(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)) >> 32);
}
void* pointerOf(uint64_t word) { return reinterpret_cast<void*>(static_cast<uintptr_t>(word)); }

}  // namespace

lp::ValueRecord textValue(const char* text) {
  lp::ValueRecord r{};
  // A null text is passed as a pointer to an empty one.
  lp::setRecordPointer(r, text ? text : "", lp::kText);
  return r;
}

lp::ValueRecord textValue(const std::string& text) { return textValue(text.c_str()); }

lp::ValueRecord integerValue(int32_t value) { return {static_cast<uint32_t>(value), 0, lp::kInt}; }

lp::ValueRecord logicalValue(bool value) { return {value ? 1u : 0u, 0, lp::kLogical}; }

lp::ValueRecord byteSetValue(const void* block) {
  lp::ValueRecord r{};
  lp::setRecordPointer(r, block, lp::kByteSet);
  return r;
}

lp::ValueRecord componentValue(const Component& c) { return {c.window, c.unit, c.type}; }

lp::ValueRecord omittedValue() { return {0, 0, lp::kNoValue}; }

lp::ValueRecord callCommand(uint32_t library, int index, std::initializer_list<lp::ValueRecord> args) {
  const lp::ProgramHeader& header = lp_program_header;
  const lp::LibraryInfo* info = header.libraries[library - 1];
  // A library that does not offer the command answers with no value.
  if (index >= info->commandCount || !info->commands[index]) return omittedValue();
  lp::CommandFn fn = info->commands[index];
  const int32_t count = static_cast<int32_t>(args.size());
  if (library == lp::kCoreLibrary) return rt().callCoreCommand(fn, count, args.begin());
  return rt().callLibraryCommand(fn, count, args.begin());
}

void releaseValue(const lp::ValueRecord& value) {
  if (value.type == lp::kText || value.type == lp::kByteSet) rt().free(lp::recordPointer(value));
}

std::string takeText(const lp::ValueRecord& value) {
  std::string text;
  if (value.type == lp::kText) {
    const char* p = static_cast<const char*>(lp::recordPointer(value));
    if (p) text = p;
  }
  releaseValue(value);
  return text;
}

int32_t integerOf(const lp::ValueRecord& value) { return static_cast<int32_t>(value.low); }

bool logicalOf(const lp::ValueRecord& value) { return value.type == lp::kLogical && value.low != 0; }

FontValue startFont() { return FontValue{9, 0, 0, 0, 0, 0, "宋体"}; }

int32_t readInteger(const Component& c, int32_t property, int32_t member) {
  return static_cast<int32_t>(rt().readProperty(c.window, c.unit, property, member));
}

std::string readText(const Component& c, int32_t property) {
  void* block = readBlock(c, property);
  std::string text = block ? static_cast<const char*>(block) : "";
  releaseBlock(block);
  return text;
}

void* readBlock(const Component& c, int32_t property) {
  return pointerOf(rt().readProperty(c.window, c.unit, property, kWholeProperty));
}

void releaseBlock(void* block) { rt().free(block); }

void writeInteger(const Component& c, int32_t property, int32_t value, int32_t member) {
  rt().writeProperty(c.window, c.unit, property, member, static_cast<uint32_t>(value), 0);
}

void writeText(const Component& c, int32_t property, const std::string& text) {
  writeBlock(c, property, text.c_str());
}

void writeBlock(const Component& c, int32_t property, const void* block) {
  rt().writeProperty(c.window, c.unit, property, kWholeProperty, lowOf(block), highOf(block));
}

void writeFont(const Component& c, int32_t property, const FontValue& font) { writeBlock(c, property, &font); }

void exitProgram(int32_t code) { rt().exitProcess(code); }

}  // namespace reader
