// The component's way into the database engine: every call looks its entry
// up by name at that moment, and a name the engine does not answer gives the
// call's failure value without touching the database.
#pragma once
#include <cstdint>

#include "runtime/extended/external_database.h"
#include "runtime/extended/odbc_engine.h"

namespace lp {

// NewOpenDatabase; 0 when no connection was made.
DbHandle engineOpenDatabase(DbHandle current, const char* connect, int32_t readOnly, int32_t noPrompt);
// CloseDatabase on the component's connection when it has one; the
// component is left without a connection either way.
void closeConnectionOf(ExternalDatabase& database);
// OpenTable; 0 on failure.
DbHandle engineOpenTable(DbHandle connection, const char* statement);
// CloseTable; record set 0 closes every record set of the connection.
void engineCloseTable(DbHandle connection, DbHandle recordSet);
// IsEOF; true when the entry is missing.
bool engineIsEOF(DbHandle connection, DbHandle recordSet);
void engineMoveFirst(DbHandle connection, DbHandle recordSet);
void engineMoveNext(DbHandle connection, DbHandle recordSet);
// ReadColByName / ReadColByIndex into the record; the record stays as it
// was when the entry is missing.
void engineReadByName(DbHandle connection, DbHandle recordSet, const char* name, FieldValue* field);
void engineReadByIndex(DbHandle connection, DbHandle recordSet, int32_t column, FieldValue* field);
// EmptyVar: the engine frees what the record owns.
void engineEmptyVar(FieldValue* field);

}  // namespace lp
