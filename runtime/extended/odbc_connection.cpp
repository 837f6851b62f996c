#include "runtime/extended/odbc_connection.h"

#include <windows.h>
#include <sqlext.h>

#include <cstring>
#include <vector>

#include "runtime/extended/odbc_brackets.h"
#include "runtime/extended/odbc_call.h"
#include "runtime/extended/odbc_environment.h"
#include "runtime/extended/odbc_wine_connect.h"
#include "runtime/extended/odbc_wine_path.h"

namespace lp {

static std::vector<std::unique_ptr<DbConnection>> openConnections;

// Handles are serial numbers, never given out twice in a run (the count
// would have to pass 2^32 first), so a stale handle never finds a newer object.
static DbHandle nextHandle() {
  static uint32_t last = 0;
  if (++last == 0) ++last;
  return last;
}

static const SQLUINTEGER kLoginTimeoutSeconds = 15;

static char identifierQuote(HDBC connection) {
  // Some drivers give the character without a terminating zero.
  char quote[8];
  std::memset(quote, 0, sizeof quote);
  SQLSMALLINT length = 0;
  SQLRETURN r = odbcCall([&] {
    return SQLGetInfo(connection, SQL_IDENTIFIER_QUOTE_CHAR, quote, sizeof quote - 1, &length);
  });
  if (!odbcSucceeded(r) || quote[0] == ' ') return 0;
  return quote[0];
}

static HWND dialogOwner() {
  HWND owner = GetActiveWindow();
  return owner ? owner : GetDesktopWindow();
}

DbHandle openConnection(const char* connect, bool readOnly, bool noPrompt) {
  const bool hasString = connect && *connect;
  const std::string callerConnect = hasString ? connect : "";
  DriverConnect prepared = prepareDriverConnect(callerConnect, wineHostPathTranslator());
  if (hasString && !prepared.sendable) return 0;

  HENV environment = acquireOdbcEnvironment();
  if (environment == SQL_NULL_HENV) return 0;
  HDBC connection = SQL_NULL_HDBC;
  if (!odbcSucceeded(SQLAllocConnect(environment, &connection))) {
    releaseOdbcEnvironment();
    return 0;
  }
  SQLSetConnectOption(connection, SQL_LOGIN_TIMEOUT, kLoginTimeoutSeconds);
  if (readOnly) SQLSetConnectOption(connection, SQL_ACCESS_MODE, SQL_MODE_READ_ONLY);

  SQLUSMALLINT completion = !hasString ? SQL_DRIVER_PROMPT
                            : noPrompt ? SQL_DRIVER_NOPROMPT
                                       : SQL_DRIVER_COMPLETE;
  std::vector<char> sent(prepared.sent.begin(), prepared.sent.end());
  sent.push_back(0);
  SQLCHAR completed[512];
  std::memset(completed, 0, sizeof completed);
  SQLSMALLINT completedLength = 0;
  SQLRETURN r = odbcCall([&] {
    return SQLDriverConnect(connection, dialogOwner(),
                            hasString ? reinterpret_cast<SQLCHAR*>(sent.data()) : nullptr,
                            hasString ? SQL_NTS : 0, completed, sizeof completed - 1,
                            &completedLength, completion);
  });
  if (!odbcSucceeded(r)) {
    SQLFreeConnect(connection);
    releaseOdbcEnvironment();
    return 0;
  }

  auto c = std::make_unique<DbConnection>();
  c->handle = nextHandle();
  c->environment = environment;
  c->connection = connection;
  c->connectString = reportedConnectString(prepared, callerConnect,
                                           reinterpret_cast<const char*>(completed));
  c->quote = identifierQuote(connection);
  c->inTransaction = false;
  openConnections.push_back(std::move(c));
  return openConnections.back()->handle;
}

void closeConnection(DbHandle handle) {
  for (auto it = openConnections.begin(); it != openConnections.end(); ++it) {
    DbConnection& c = **it;
    if (c.handle != handle) continue;
    closeRecordSet(&c, 0);
    // A transaction left open would keep the driver from disconnecting.
    if (c.inTransaction) SQLTransact(c.environment, c.connection, SQL_ROLLBACK);
    odbcCall([&] { return SQLDisconnect(c.connection); });
    SQLFreeConnect(c.connection);
    releaseOdbcEnvironment();
    openConnections.erase(it);
    return;
  }
}

DbConnection* findConnection(DbHandle handle) {
  if (handle == 0) return nullptr;
  for (auto& c : openConnections) {
    if (c->handle == handle) return c.get();
  }
  return nullptr;
}

DbHandle openRecordSet(DbConnection* c, const char* statement, CMRecordSet::Cursor cursor) {
  if (!c || !statement) return 0;
  int slot = 0;
  while (slot < kRecordSetSlots && c->slots[slot]) ++slot;
  if (slot == kRecordSetSlots) return 0;
  auto set = std::make_unique<CMRecordSet>(c->connection, replaceBrackets(statement, c->quote),
                                           cursor, nextHandle());
  if (!set->open()) return 0;
  c->slots[slot] = std::move(set);
  return c->slots[slot]->handle();
}

CMRecordSet* findRecordSet(DbHandle connection, DbHandle recordSet) {
  DbConnection* c = findConnection(connection);
  if (!c || recordSet == 0) return nullptr;
  for (auto& slot : c->slots) {
    if (slot && slot->handle() == recordSet) return slot.get();
  }
  return nullptr;
}

void closeRecordSet(DbConnection* c, DbHandle recordSet) {
  if (!c) return;
  for (auto& slot : c->slots) {
    if (slot && (recordSet == 0 || slot->handle() == recordSet)) slot.reset();
  }
}

}  // namespace lp
