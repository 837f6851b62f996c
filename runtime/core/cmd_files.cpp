// RemoveFile and FileExists.
#include <windows.h>

#include "runtime/core/command_args.h"
#include "runtime/core/file_commands.h"
#include "runtime/core/gbk.h"

namespace lp {

void cmdRemoveFile(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const std::wstring path = gbkToWide(textArg(argCount, args, 0));
  setLogical(result, !path.empty() && DeleteFileW(path.c_str()) != FALSE);
}

void cmdFileExists(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const std::wstring path = gbkToWide(textArg(argCount, args, 0));
  bool found = false;
  if (!path.empty()) {
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(path.c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
      found = true;
      FindClose(search);
    }
  }
  setLogical(result, found);
}

}  // namespace lp
