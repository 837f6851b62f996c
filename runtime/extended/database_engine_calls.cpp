#include "runtime/extended/database_engine_calls.h"

namespace lp {
namespace {

template <typename Entry>
Entry lookUp(const char* name) {
  return reinterpret_cast<Entry>(findEngineEntry(name));
}

}  // namespace

DbHandle engineOpenDatabase(DbHandle current, const char* connect, int32_t readOnly, int32_t noPrompt) {
  auto open = lookUp<NewOpenDatabaseEntry>("NewOpenDatabase");
  return open ? open(current, connect, readOnly, noPrompt) : 0;
}

void closeConnectionOf(ExternalDatabase& database) {
  if (database.connection == 0) return;
  if (auto close = lookUp<CloseDatabaseEntry>("CloseDatabase")) close(database.connection);
  database.connection = 0;
}

DbHandle engineOpenTable(DbHandle connection, const char* statement) {
  auto open = lookUp<OpenTableEntry>("OpenTable");
  return open ? open(connection, statement) : 0;
}

void engineCloseTable(DbHandle connection, DbHandle recordSet) {
  if (auto close = lookUp<CloseTableEntry>("CloseTable")) close(connection, recordSet);
}

bool engineIsEOF(DbHandle connection, DbHandle recordSet) {
  auto isEOF = lookUp<RecordSetTestEntry>("IsEOF");
  return !isEOF || isEOF(connection, recordSet) != 0;
}

void engineMoveFirst(DbHandle connection, DbHandle recordSet) {
  if (auto move = lookUp<MoveEntry>("MoveFirst")) move(connection, recordSet);
}

void engineMoveNext(DbHandle connection, DbHandle recordSet) {
  if (auto move = lookUp<MoveEntry>("MoveNext")) move(connection, recordSet);
}

void engineReadByName(DbHandle connection, DbHandle recordSet, const char* name, FieldValue* field) {
  if (auto read = lookUp<ReadColByNameEntry>("ReadColByName")) read(connection, recordSet, name, field);
}

void engineReadByIndex(DbHandle connection, DbHandle recordSet, int32_t column, FieldValue* field) {
  if (auto read = lookUp<ReadColByIndexEntry>("ReadColByIndex")) read(connection, recordSet, column, field);
}

void engineEmptyVar(FieldValue* field) {
  if (auto empty = lookUp<EmptyVarEntry>("EmptyVar")) empty(field);
}

}  // namespace lp
