// The engine's entry points, as published in its table (odbc_engine.h gives
// the meaning of the arguments).
#pragma once
#include "runtime/extended/odbc_engine.h"

namespace lp {
namespace engine {

int32_t ReadColByIndex(DbHandle connection, DbHandle recordSet, int32_t column, FieldValue* field);
int32_t ReadColByName(DbHandle connection, DbHandle recordSet, const char* name, FieldValue* field);
void MoveNext(DbHandle connection, DbHandle recordSet);
void MovePrev(DbHandle connection, DbHandle recordSet);
int32_t IsBOF(DbHandle connection, DbHandle recordSet);
int32_t IsEOF(DbHandle connection, DbHandle recordSet);
int32_t ExecuteSql(DbHandle connection, const char* statement);
void MoveFirst(DbHandle connection, DbHandle recordSet);
void MoveLast(DbHandle connection, DbHandle recordSet);
DbHandle OpenTable(DbHandle connection, const char* statement);
DbHandle OpenTableToModi(DbHandle connection, const char* statement);
void CloseTable(DbHandle connection, DbHandle recordSet);
int32_t Requery(DbHandle connection, DbHandle recordSet);
DbHandle OpenDatabase(DbHandle current, const char* connect, int32_t readOnly);
DbHandle NewOpenDatabase(DbHandle current, const char* connect, int32_t readOnly, int32_t noPrompt);
void CloseDatabase(DbHandle connection);
const char* GetConnectString(DbHandle connection);
int32_t BeginTrans(DbHandle connection);
int32_t RollbackTrans(DbHandle connection);
int32_t CommitTrans(DbHandle connection);
int32_t BDGetRecCount(DbHandle connection, DbHandle recordSet);
int32_t BDGetColCount(DbHandle connection, DbHandle recordSet);
const char* BDGetColText(DbHandle connection, DbHandle recordSet, int32_t row, int32_t column);
int32_t BDGetColSQLType(DbHandle connection, DbHandle recordSet, int32_t column);
int32_t BDSetColText(DbHandle connection, DbHandle recordSet, int32_t row, int32_t column,
                     const char* text);
int32_t BDAppendBlank(DbHandle connection, DbHandle recordSet);
int32_t BDRemove(DbHandle connection, DbHandle recordSet, int32_t row, int32_t count);
int32_t BDZap(DbHandle connection, DbHandle recordSet);
const char* BDGetColName(DbHandle connection, DbHandle recordSet, int32_t column);
int32_t BDGetColWidth(DbHandle connection, DbHandle recordSet, int32_t column);
void EmptyVar(FieldValue* field);

}  // namespace engine
}  // namespace lp
