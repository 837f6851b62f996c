// The Core Library: the standard components and the core commands.
#include "runtime/components/common_dialog.h"
#include "runtime/components/core_type_records.h"
#include "runtime/components/edit_box.h"
#include "runtime/components/list_box_component.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/desktop_commands.h"
#include "runtime/core/file_commands.h"
#include "runtime/core/ini_commands.h"
#include "runtime/core/library_table.h"
#include "runtime/core/text_commands.h"
#include "runtime/core/window_commands.h"
#include "runtime/extended/database_commands.h"

namespace lp {
namespace {

// Indexed by CoreCommand; the component methods and database commands are
// filled in by their components.
constexpr CommandFn kCoreCommands[kCoreCommandCount] = {
    /* kCmdLoadWindow */ cmdLoadWindow,
    /* kCmdFindText */ cmdFindText,
    /* kCmdToNumber */ cmdToNumber,
    /* kCmdRemoveAllSpaces */ cmdRemoveAllSpaces,
    /* kCmdSplitText */ cmdSplitText,
    /* kCmdToText */ cmdToText,
    /* kCmdRemoveFile */ cmdRemoveFile,
    /* kCmdFileExists */ cmdFileExists,
    /* kCmdWriteToFile */ cmdWriteToFile,
    /* kCmdSetClipboardText */ cmdSetClipboardText,
    /* kCmdInfoBox */ cmdInfoBox,
    /* kCmdDoEvents */ cmdDoEvents,
    /* kCmdDestroy */ cmdDestroy,
    /* kCmdMove */ cmdMove,
    /* kCmdOpenDialog */ cmdOpenDialog,
    /* kCmdListBoxGetItemText */ cmdListBoxGetItemText,
    /* kCmdListBoxAddItem */ cmdListBoxAddItem,
    /* kCmdListBoxClear */ cmdListBoxClear,
    /* kCmdEditBoxAppendText */ cmdEditBoxAppendText,
    /* kCmdReadIni */ cmdReadIni,
    /* kCmdWriteIni */ cmdWriteIni,
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
    makeLibrary("Core Library", kCoreTypeCount, kCoreTypeRecords, kCoreCommandCount, kCoreCommands, plainLibraryNotify);

}  // namespace lp
