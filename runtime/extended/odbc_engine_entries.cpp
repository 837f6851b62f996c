// The entry points: each checks its handles, then does its work on the
// connection or record set; database errors become the failure values.
#include "runtime/extended/odbc_engine_entries.h"

#include <windows.h>
#include <sqlext.h>

#include "runtime/extended/odbc_brackets.h"
#include "runtime/extended/odbc_call.h"
#include "runtime/extended/odbc_connection.h"

namespace lp {
namespace engine {

// Texts are handed out from the connection, valid until its next such text.
static const char* handOut(DbHandle connection, const std::string& text) {
  DbConnection* c = findConnection(connection);
  if (!c) return "";
  c->text = text;
  return c->text.c_str();
}

int32_t ReadColByIndex(DbHandle connection, DbHandle recordSet, int32_t column, FieldValue* field) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  if (!set || !field) return 0;
  FieldValue read{};
  if (!set->readField(column, &read)) return 0;
  *field = read;
  return field->kind != kFieldNone ? 1 : 0;
}

int32_t ReadColByName(DbHandle connection, DbHandle recordSet, const char* name, FieldValue* field) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  if (!set || !field) return 0;
  int32_t column = set->columnByName(name);
  if (column < 0) {
    field->kind = kFieldNone;
    return 0;
  }
  return ReadColByIndex(connection, recordSet, column, field);
}

void MoveNext(DbHandle connection, DbHandle recordSet) {
  if (CMRecordSet* set = findRecordSet(connection, recordSet)) set->moveNext();
}

void MovePrev(DbHandle connection, DbHandle recordSet) {
  if (CMRecordSet* set = findRecordSet(connection, recordSet)) set->movePrev();
}

int32_t IsBOF(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return !set || set->isBOF() ? 1 : 0;
}

int32_t IsEOF(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return !set || set->isEOF() ? 1 : 0;
}

int32_t ExecuteSql(DbHandle connection, const char* statement) {
  DbConnection* c = findConnection(connection);
  if (!c || !statement) return 0;
  HSTMT s = SQL_NULL_HSTMT;
  if (!odbcSucceeded(SQLAllocStmt(c->connection, &s))) return 0;
  std::string sent = replaceBrackets(statement, c->quote);
  SQLRETURN r = odbcCall(
      [&] { return SQLExecDirect(s, reinterpret_cast<SQLCHAR*>(&sent[0]), SQL_NTS); });
  bool ok = odbcSucceeded(r) || r == SQL_NO_DATA;
  // Rows a statement returns are not wanted here: fetched and dropped.
  while (ok) {
    SQLSMALLINT columns = 0;
    SQLNumResultCols(s, &columns);
    if (columns > 0) {
      while (odbcSucceeded(odbcCall([&] { return SQLFetch(s); }))) {
      }
    }
    if (!odbcSucceeded(odbcCall([&] { return SQLMoreResults(s); }))) break;
  }
  SQLFreeStmt(s, SQL_DROP);
  return ok ? 1 : 0;
}

void MoveFirst(DbHandle connection, DbHandle recordSet) {
  if (CMRecordSet* set = findRecordSet(connection, recordSet)) set->moveFirst();
}

void MoveLast(DbHandle connection, DbHandle recordSet) {
  if (CMRecordSet* set = findRecordSet(connection, recordSet)) set->moveLast();
}

DbHandle OpenTable(DbHandle connection, const char* statement) {
  return openRecordSet(findConnection(connection), statement, CMRecordSet::kSnapshot);
}

DbHandle OpenTableToModi(DbHandle connection, const char* statement) {
  return openRecordSet(findConnection(connection), statement, CMRecordSet::kDynaset);
}

void CloseTable(DbHandle connection, DbHandle recordSet) {
  closeRecordSet(findConnection(connection), recordSet);
}

int32_t Requery(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set && set->open() ? 1 : 0;
}

DbHandle OpenDatabase(DbHandle current, const char* connect, int32_t readOnly) {
  return openConnection(connect, readOnly != 0, false);
}

DbHandle NewOpenDatabase(DbHandle current, const char* connect, int32_t readOnly, int32_t noPrompt) {
  return openConnection(connect, readOnly != 0, noPrompt != 0);
}

void CloseDatabase(DbHandle connection) { closeConnection(connection); }

const char* GetConnectString(DbHandle connection) {
  DbConnection* c = findConnection(connection);
  return c ? c->connectString.c_str() : "";
}

int32_t BeginTrans(DbHandle connection) {
  DbConnection* c = findConnection(connection);
  if (!c || c->inTransaction) return 0;
  SQLUSMALLINT capable = SQL_TC_NONE;
  SQLRETURN r = SQLGetInfo(c->connection, SQL_TXN_CAPABLE, &capable, sizeof capable, nullptr);
  if (!odbcSucceeded(r) || capable == SQL_TC_NONE) return 0;
  r = SQLSetConnectOption(c->connection, SQL_AUTOCOMMIT, SQL_AUTOCOMMIT_OFF);
  if (!odbcSucceeded(r)) return 0;
  c->inTransaction = true;
  return 1;
}

static int32_t endTransaction(DbHandle connection, SQLUSMALLINT how) {
  DbConnection* c = findConnection(connection);
  if (!c || !c->inTransaction) return 0;
  SQLRETURN r = odbcCall([&] { return SQLTransact(c->environment, c->connection, how); });
  SQLSetConnectOption(c->connection, SQL_AUTOCOMMIT, SQL_AUTOCOMMIT_ON);
  c->inTransaction = false;
  return odbcSucceeded(r) ? 1 : 0;
}

int32_t RollbackTrans(DbHandle connection) { return endTransaction(connection, SQL_ROLLBACK); }

int32_t CommitTrans(DbHandle connection) { return endTransaction(connection, SQL_COMMIT); }

int32_t BDGetRecCount(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set ? set->recordCount() : 0;
}

int32_t BDGetColCount(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set ? set->boundColumnCount() : 0;
}

const char* BDGetColText(DbHandle connection, DbHandle recordSet, int32_t row, int32_t column) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  if (!set || !set->boundColumn(column) || !set->moveTo(row)) return "";
  return handOut(connection, set->boundText(column));
}

int32_t BDGetColSQLType(DbHandle connection, DbHandle recordSet, int32_t column) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  const ResultColumn* c = set ? set->boundColumn(column) : nullptr;
  return c ? c->sqlType : 0;
}

int32_t BDSetColText(DbHandle connection, DbHandle recordSet, int32_t row, int32_t column,
                     const char* text) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set && set->setBoundText(row, column, text) ? 1 : 0;
}

int32_t BDAppendBlank(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set && set->appendBlank() ? 1 : 0;
}

int32_t BDRemove(DbHandle connection, DbHandle recordSet, int32_t row, int32_t count) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set && set->removeRows(row, count) ? 1 : 0;
}

int32_t BDZap(DbHandle connection, DbHandle recordSet) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  return set && set->zap() ? 1 : 0;
}

const char* BDGetColName(DbHandle connection, DbHandle recordSet, int32_t column) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  const ResultColumn* c = set ? set->boundColumn(column) : nullptr;
  return c ? handOut(connection, c->name) : "";
}

int32_t BDGetColWidth(DbHandle connection, DbHandle recordSet, int32_t column) {
  CMRecordSet* set = findRecordSet(connection, recordSet);
  const ResultColumn* c = set ? set->boundColumn(column) : nullptr;
  return c ? columnDisplayWidth(c->sqlType, c->precision, c->name.c_str()) : 0;
}

void EmptyVar(FieldValue* field) { emptyFieldValue(field); }

}  // namespace engine
}  // namespace lp
