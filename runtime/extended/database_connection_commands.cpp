// Open and Close: the component's one connection.
#include "runtime/extended/database_command_args.h"
#include "runtime/extended/database_commands.h"
#include "runtime/extended/database_engine_calls.h"
#include "runtime/extended/odbc_connect_string.h"

namespace lp {

namespace {
enum OpenArgument : int32_t { kPath = 1, kUserId, kPassword, kReadOnly, kNoPrompt };
}

std::string openConnectString(int32_t argc, const ValueRecord* args) {
  return buildAccessConnectString(textArgument(argc, args, kPath), textArgument(argc, args, kUserId),
                                  textArgument(argc, args, kPassword));
}

void cmdDatabaseOpen(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = logicalValue(false);
  ExternalDatabase* database = databaseArgument(argc, args);
  if (!database) return;
  const std::string connect = openConnectString(argc, args);
  const int32_t readOnly = integerArgument(argc, args, kReadOnly);
  const int32_t noPrompt = integerArgument(argc, args, kNoPrompt) != 0 ? 1 : 0;
  const DbHandle opened = engineOpenDatabase(database->connection, connect.c_str(), readOnly, noPrompt);
  if (opened == 0) return;
  closeConnectionOf(*database);
  database->connection = opened;
  *result = logicalValue(true);
}

void cmdDatabaseClose(ValueRecord*, int32_t argc, ValueRecord* args) {
  if (ExternalDatabase* database = databaseArgument(argc, args)) closeConnectionOf(*database);
}

}  // namespace lp
