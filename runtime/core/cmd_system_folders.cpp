// GetSpecialFolder. Paths come from the wide calls and are turned into GBK,
// so a folder name in any language survives.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/deferred_system_calls.h"
#include "runtime/core/gbk.h"
#include "runtime/core/shell_commands.h"

namespace lp {
namespace {

// Folder codes 1 to 8 and the shell folders they name.
constexpr int kShellFolders[] = {
    CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
    CSIDL_STARTMENU, CSIDL_PROGRAMS, CSIDL_STARTUP, CSIDL_APPDATA,
};

std::wstring folderPath(int32_t code) {
  wchar_t path[MAX_PATH + 1] = {};
  bool found = false;
  if (code >= 1 && code <= 8) {
    found = deferred::SHGetSpecialFolderPathW(nullptr, path, kShellFolders[code - 1], FALSE) != FALSE;
  } else if (code == 9) {
    const UINT n = GetWindowsDirectoryW(path, MAX_PATH);
    found = n > 0 && n < MAX_PATH;
  } else if (code == 10) {
    const UINT n = GetSystemDirectoryW(path, MAX_PATH);
    found = n > 0 && n < MAX_PATH;
  } else if (code == 11) {
    const DWORD n = GetTempPathW(MAX_PATH, path);
    found = n > 0 && n < MAX_PATH;
  }
  return found ? std::wstring(path) : std::wstring();
}

}  // namespace

void cmdGetSpecialFolder(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  std::wstring path = folderPath(intArg(argCount, args, 0, 0));
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  setText(result, wideToGbk(path));
}

}  // namespace lp
