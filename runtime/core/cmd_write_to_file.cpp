// WriteToFile. The bytes go to a fresh file beside the target, which then
// replaces the target in one rename: a crash or a full disk leaves either the
// old file or the complete new one under the target's name, never a part.
#include <windows.h>

#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/file_commands.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

// The bytes of a byte-set, or of an array of a numeric type, argument.
struct Bytes {
  const unsigned char* data = nullptr;
  int64_t count = 0;
};

Bytes bytesOf(const ValueRecord& arg) {
  const void* block = recordPointer(arg);
  if (arg.type == kByteSet) return {byteSetData(block), byteSetSize(block)};
  if (isArrayType(arg.type) && isNumericType(elementType(arg.type))) {
    return {arrayElements(block), arrayElementCount(block) * numericWidth(elementType(arg.type))};
  }
  return {};
}

std::wstring folderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  if (slash == 0 || (slash == 2 && path[1] == L':')) return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

bool writeAll(HANDLE file, int32_t argCount, const ValueRecord* args) {
  for (int32_t i = 1; i < argCount; ++i) {
    Bytes bytes = bytesOf(args[i]);
    while (bytes.count > 0) {
      const DWORD chunk = bytes.count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.count);
      DWORD written = 0;
      if (!WriteFile(file, bytes.data, chunk, &written, nullptr) || written != chunk) return false;
      bytes.data += chunk;
      bytes.count -= chunk;
    }
  }
  return FlushFileBuffers(file) != FALSE;
}

bool writeToFile(const std::wstring& target, int32_t argCount, const ValueRecord* args) {
  wchar_t temporary[MAX_PATH];
  if (!GetTempFileNameW(folderOf(target).c_str(), L"lpw", 0, temporary)) return false;
  HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  bool done = file != INVALID_HANDLE_VALUE;
  if (done) {
    done = writeAll(file, argCount, args);
    done = CloseHandle(file) != FALSE && done;
  }
  done = done && MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!done) DeleteFileW(temporary);
  return done;
}

}  // namespace

void cmdWriteToFile(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const std::wstring target = gbkToWide(textArg(argCount, args, 0));
  setLogical(result, !target.empty() && writeToFile(target, argCount, args));
}

}  // namespace lp
