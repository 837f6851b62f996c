// Connections of the database engine and their record-set slots. Every open
// connection is registered, so a handle is checked before it is used.
#pragma once
#include <windows.h>
#include <sql.h>

#include <memory>
#include <string>

#include "runtime/extended/odbc_record_set.h"

namespace lp {

constexpr int kRecordSetSlots = 30;

struct DbConnection {
  DbHandle handle;
  HENV environment;
  HDBC connection;
  std::string connectString;  // as completed by the driver
  char quote;                 // identifier quote character; 0 when none
  bool inTransaction;
  std::unique_ptr<CMRecordSet> slots[kRecordSetSlots];
  std::string text;  // the last text handed out by an entry
};

// Opens a connection; 0 when it fails. The driver asks for what is missing
// unless told never to; a null or empty connect string is not passed to it
// and it always asks, through its dialog.
DbHandle openConnection(const char* connect, bool readOnly, bool noPrompt);
// Closes every record set of the connection, then the connection itself.
void closeConnection(DbHandle handle);
// The open connection with this handle, or null.
DbConnection* findConnection(DbHandle handle);

// Opens a record set on the statement in the first free slot; 0 when no slot
// is free or the statement fails.
DbHandle openRecordSet(DbConnection* c, const char* statement, CMRecordSet::Cursor cursor);
// The record set with this handle among the connection's slots, or null.
CMRecordSet* findRecordSet(DbHandle connection, DbHandle recordSet);
// Closes one record set, or all of them for handle 0.
void closeRecordSet(DbConnection* c, DbHandle recordSet);

}  // namespace lp
