// The Core Library: the standard components and the core commands.
#include "runtime/core/command_numbers.h"
#include "runtime/core/library_table.h"
#include "runtime/extended/database_commands.h"

namespace lp {
namespace {

// Indexed by CoreCommand.
constexpr CommandFn kCoreCommands[kCoreCommandCount] = {
    /* kCmdLoadWindow */ nullptr,
    /* kCmdFindText */ nullptr,
    /* kCmdToNumber */ nullptr,
    /* kCmdRemoveAllSpaces */ nullptr,
    /* kCmdSplitText */ nullptr,
    /* kCmdToText */ nullptr,
    /* kCmdRemoveFile */ nullptr,
    /* kCmdFileExists */ nullptr,
    /* kCmdWriteToFile */ nullptr,
    /* kCmdSetClipboardText */ nullptr,
    /* kCmdInfoBox */ nullptr,
    /* kCmdDoEvents */ nullptr,
    /* kCmdDestroy */ nullptr,
    /* kCmdMove */ nullptr,
    /* kCmdOpenDialog */ nullptr,
    /* kCmdListBoxGetItemText */ nullptr,
    /* kCmdListBoxAddItem */ nullptr,
    /* kCmdListBoxClear */ nullptr,
    /* kCmdEditBoxAppendText */ nullptr,
    /* kCmdReadIni */ nullptr,
    /* kCmdWriteIni */ nullptr,
    /* kCmdDatabaseOpen */ cmdDatabaseOpen,
    /* kCmdDatabaseClose */ cmdDatabaseClose,
    /* kCmdDatabaseQuery */ cmdDatabaseQuery,
    /* kCmdDatabaseCloseQuery */ cmdDatabaseCloseQuery,
    /* kCmdDatabaseIsEOF */ cmdDatabaseIsEOF,
    /* kCmdDatabaseMoveFirst */ cmdDatabaseMoveFirst,
    /* kCmdDatabaseMoveNext */ cmdDatabaseMoveNext,
    /* kCmdDatabaseReadField */ cmdDatabaseReadField,
};
static_assert(kCmdDatabaseReadField == kCoreCommandCount - 1,
              "the table above lists the commands in CoreCommand order");

}  // namespace

const LibraryInfo kCoreLibraryInfo =
    makeLibrary("Core Library", 0, nullptr, kCoreCommandCount, kCoreCommands, plainLibraryNotify);

}  // namespace lp
