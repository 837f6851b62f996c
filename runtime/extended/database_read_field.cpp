// ReadField: one field of the current record as a typed value.
#include <cstdint>

#include "runtime/extended/database_command_args.h"
#include "runtime/extended/database_commands.h"
#include "runtime/extended/database_engine_calls.h"
#include "runtime/extended/odbc_field_record.h"

namespace lp {

void cmdDatabaseReadField(ValueRecord* result, int32_t argc, ValueRecord* args) {
  FieldValue field{};
  ExternalDatabase* database = databaseArgument(argc, args);
  if (database && !isOmitted(argc, args, 2)) {
    const DbHandle connection = database->connection;
    const DbHandle recordSet = handleArgument(argc, args, 1);
    const ValueRecord& which = args[2];
    if (which.type == kText) {
      const char* name = textArgument(argc, args, 2);
      engineReadByName(connection, recordSet, name ? name : "", &field);
    } else if (isNumericType(which.type)) {
      // 1-based for the application, 0-based for the engine; the lowest
      // integer has no position before it and reads nothing, as 0 does.
      const int32_t position = integerArgument(argc, args, 2);
      const int32_t column = position > INT32_MIN ? position - 1 : -1;
      engineReadByIndex(connection, recordSet, column, &field);
    }
  }
  *result = fieldValueRecord(field);
  engineEmptyVar(&field);
}

}  // namespace lp
