// The Application Interface Library: opening documents with the shell.
#include "runtime/core/command_numbers.h"
#include "runtime/core/library_table.h"
#include "runtime/core/shell_commands.h"

namespace lp {
namespace {

constexpr CommandFn kApplicationInterfaceCommands[kApplicationInterfaceCommandCount] = {
    /* kCmdShellOpen */ cmdShellOpen,
};

}  // namespace

const LibraryInfo kApplicationInterfaceLibraryInfo = makeLibrary(
    "Application Interface Library", 0, nullptr, kApplicationInterfaceCommandCount,
    kApplicationInterfaceCommands, plainLibraryNotify);

}  // namespace lp
