#include "command_calls.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "runtime/core/library_table.h"
#include "runtime/core/memory_service.h"

namespace test {

lp::ValueRecord none() { return {0, 0, lp::kNoValue}; }

lp::ValueRecord text(const char* value) {
  lp::ValueRecord r{};
  lp::setRecordPointer(r, value, lp::kText);
  return r;
}

lp::ValueRecord integer(int32_t value) { return {static_cast<uint32_t>(value), 0, lp::kInt}; }
lp::ValueRecord logical(bool value) { return {value ? 1u : 0u, 0, lp::kLogical}; }

lp::ValueRecord real(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), lp::kDouble};
}

lp::ValueRecord identity(uint32_t windowId, uint32_t unitId, uint32_t unitType) {
  return {windowId, unitId, unitType};
}

lp::ValueRecord call(const lp::LibraryInfo& library, int command, std::vector<lp::ValueRecord> args) {
  EXPECT_LT(command, library.commandCount);
  lp::CommandFn fn = library.commands[command];
  EXPECT_NE(fn, nullptr);
  lp::ValueRecord result{0, 0, 0};
  if (fn) fn(&result, static_cast<int32_t>(args.size()), args.data());
  return result;
}

lp::ValueRecord core(int command, std::vector<lp::ValueRecord> args) {
  return call(lp::kCoreLibraryInfo, command, std::move(args));
}

std::string takeText(const lp::ValueRecord& result) {
  EXPECT_EQ(result.type, lp::kText);
  char* block = static_cast<char*>(lp::recordPointer(result));
  std::string out = block ? block : "";
  lp::release(block);
  return out;
}

std::vector<std::string> takeTextArray(const lp::ValueRecord& result) {
  EXPECT_EQ(result.type, lp::kText | lp::kArrayFlag);
  void* block = lp::recordPointer(result);
  std::vector<std::string> out;
  if (!block) return out;
  EXPECT_EQ(static_cast<const int32_t*>(block)[0], 1);
  const int64_t count = lp::arrayElementCount(block);
  for (int64_t i = 0; i < count; ++i) {
    char* element;
    std::memcpy(&element, lp::arrayElements(block) + i * sizeof(char*), sizeof element);
    out.push_back(element ? element : "");
    lp::release(element);
  }
  lp::release(block);
  return out;
}

double doubleOf(const lp::ValueRecord& result) {
  EXPECT_EQ(result.type, lp::kDouble);
  const uint64_t bits = static_cast<uint64_t>(result.high) << 32 | result.low;
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

std::string freshFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "lp_commands_" + name + "_" + std::to_string(GetCurrentProcessId()) + "\\";
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((folder + data.cFileName).c_str());
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace test
