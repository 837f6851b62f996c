// The Data Operations Library: data decryption.
#include "runtime/core/command_numbers.h"
#include "runtime/core/library_table.h"
#include "runtime/extended/decrypt_command.h"

namespace lp {
namespace {

const CommandFn kCommands[kDataOperationsCommandCount] = {
    decryptData,  // kCmdDecryptData
};

}  // namespace

const LibraryInfo kDataOperationsLibraryInfo =
    makeLibrary("Data Operations Library", 0, nullptr, kDataOperationsCommandCount, kCommands,
                plainLibraryNotify);

}  // namespace lp
