// The System Interface Library: special folders.
#include "runtime/core/command_numbers.h"
#include "runtime/core/library_table.h"
#include "runtime/core/shell_commands.h"

namespace lp {
namespace {

constexpr CommandFn kSystemInterfaceCommands[kSystemInterfaceCommandCount] = {
    /* kCmdGetSpecialFolder */ cmdGetSpecialFolder,
};

}  // namespace

const LibraryInfo kSystemInterfaceLibraryInfo = makeLibrary(
    "System Interface Library", 0, nullptr, kSystemInterfaceCommandCount, kSystemInterfaceCommands,
    plainLibraryNotify);

}  // namespace lp
