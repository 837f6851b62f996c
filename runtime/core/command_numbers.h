// The position of each library command in its library's command table: how
// compiled code names the commands it calls.
#pragma once

namespace lp {

enum CoreCommand : int {
  kCmdLoadWindow,
  kCmdFindText,
  kCmdToNumber,
  kCmdRemoveAllSpaces,
  kCmdSplitText,
  kCmdToText,
  kCmdRemoveFile,
  kCmdFileExists,
  kCmdWriteToFile,
  kCmdSetClipboardText,
  kCmdInfoBox,
  kCmdDoEvents,
  kCmdDestroy,
  kCmdMove,
  kCmdOpenDialog,
  kCmdListBoxGetItemText,
  kCmdListBoxAddItem,
  kCmdListBoxClear,
  kCmdEditBoxAppendText,
  kCmdReadIni,
  kCmdWriteIni,
  kCmdDatabaseOpen,
  kCmdDatabaseClose,
  kCmdDatabaseQuery,
  kCmdDatabaseCloseQuery,
  kCmdDatabaseIsEOF,
  kCmdDatabaseMoveFirst,
  kCmdDatabaseMoveNext,
  kCmdDatabaseReadField,
  kCoreCommandCount
};

enum ExtendedInterfaceCommand : int {
  kCmdInsertRow,
  kCmdSetCellText,
  kCmdGetCellText,
  kCmdGetRowCount,
  kCmdDeleteAllRows,
  kCmdSetColumnWidth,
  kExtendedInterfaceCommandCount
};

enum SystemInterfaceCommand : int { kCmdGetSpecialFolder, kSystemInterfaceCommandCount };
enum DataOperationsCommand : int { kCmdDecryptData, kDataOperationsCommandCount };
enum ApplicationInterfaceCommand : int { kCmdShellOpen, kApplicationInterfaceCommandCount };

}  // namespace lp
