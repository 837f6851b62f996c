// ShellOpen: ShellExecute "open" with the default handler of the target.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/deferred_system_calls.h"
#include "runtime/core/gbk.h"
#include "runtime/core/shell_commands.h"

namespace lp {
namespace {

// Opened when no target is given: the program's home page.
constexpr wchar_t kHomeAddress[] = L"https://www.example.org/lumenpath/";

}  // namespace

void cmdShellOpen(ValueRecord*, int32_t argCount, ValueRecord* args) {
  std::wstring target = kHomeAddress;
  if (hasArg(argCount, args, 0)) {
    target = gbkToWide(textArg(argCount, args, 0));
    if (target.empty()) return;  // nothing to open
  }
  HWND owner = FindWindowW(nullptr, L"Microsoft Internet Explorer");
  deferred::ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace lp
