// Query, CloseQuery and walking a record set.
#include "runtime/extended/database_command_args.h"
#include "runtime/extended/database_commands.h"
#include "runtime/extended/database_engine_calls.h"

namespace lp {

void cmdDatabaseQuery(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = integerValue(0);
  ExternalDatabase* database = databaseArgument(argc, args);
  const char* statement = textArgument(argc, args, 1);
  if (!database || !statement || !*statement) return;
  *result = integerValue(static_cast<int32_t>(engineOpenTable(database->connection, statement)));
}

void cmdDatabaseCloseQuery(ValueRecord*, int32_t argc, ValueRecord* args) {
  if (ExternalDatabase* database = databaseArgument(argc, args))
    engineCloseTable(database->connection, handleArgument(argc, args, 1));
}

void cmdDatabaseIsEOF(ValueRecord* result, int32_t argc, ValueRecord* args) {
  ExternalDatabase* database = databaseArgument(argc, args);
  *result = logicalValue(!database || engineIsEOF(database->connection, handleArgument(argc, args, 1)));
}

void cmdDatabaseMoveFirst(ValueRecord*, int32_t argc, ValueRecord* args) {
  if (ExternalDatabase* database = databaseArgument(argc, args))
    engineMoveFirst(database->connection, handleArgument(argc, args, 1));
}

void cmdDatabaseMoveNext(ValueRecord*, int32_t argc, ValueRecord* args) {
  if (ExternalDatabase* database = databaseArgument(argc, args))
    engineMoveNext(database->connection, handleArgument(argc, args, 1));
}

}  // namespace lp
