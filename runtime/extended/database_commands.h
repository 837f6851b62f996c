// The commands of the external database component, with the component as
// their first argument (see database_command_args.h).
#pragma once
#include <cstdint>
#include <string>

#include "runtime/core/value.h"

namespace lp {

// Open(path, user id?, password?, read-only?, no-prompt?) -> logical. A new
// connection replaces the previous one only once it is open.
void cmdDatabaseOpen(ValueRecord* result, int32_t argc, ValueRecord* args);
// Close() closes the connection and every record set on it.
void cmdDatabaseClose(ValueRecord* result, int32_t argc, ValueRecord* args);
// Query(statement) -> integer record-set handle, 0 on failure.
void cmdDatabaseQuery(ValueRecord* result, int32_t argc, ValueRecord* args);
// CloseQuery(handle?); without a handle every record set is closed.
void cmdDatabaseCloseQuery(ValueRecord* result, int32_t argc, ValueRecord* args);
// IsEOF(handle) -> logical; true for a handle that is not open.
void cmdDatabaseIsEOF(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdDatabaseMoveFirst(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdDatabaseMoveNext(ValueRecord* result, int32_t argc, ValueRecord* args);
// ReadField(handle, name or 1-based position) -> the field's typed value;
// an empty text when there is nothing to read.
void cmdDatabaseReadField(ValueRecord* result, int32_t argc, ValueRecord* args);

// The connect string Open sends for its arguments (the component first).
std::string openConnectString(int32_t argc, const ValueRecord* args);

}  // namespace lp
