// The Extended Interface Library: report list and transparent label.
#include "runtime/core/command_numbers.h"
#include "runtime/core/library_table.h"
#include "runtime/extended/extended_type_records.h"
#include "runtime/extended/report_list.h"

namespace lp {
namespace {

// Indexed by ExtendedInterfaceCommand.
constexpr CommandFn kExtendedInterfaceCommands[kExtendedInterfaceCommandCount] = {
    /* kCmdInsertRow */ cmdInsertRow,
    /* kCmdSetCellText */ cmdSetCellText,
    /* kCmdGetCellText */ cmdGetCellText,
    /* kCmdGetRowCount */ cmdGetRowCount,
    /* kCmdDeleteAllRows */ cmdDeleteAllRows,
    /* kCmdSetColumnWidth */ cmdSetColumnWidth,
};
static_assert(kCmdSetColumnWidth == kExtendedInterfaceCommandCount - 1,
              "the table above lists the commands in ExtendedInterfaceCommand order");

}  // namespace

const LibraryInfo kExtendedInterfaceLibraryInfo =
    makeLibrary("Extended Interface Library", kExtendedTypeCount, kExtendedTypeRecords,
                kExtendedInterfaceCommandCount, kExtendedInterfaceCommands, plainLibraryNotify);

}  // namespace lp
