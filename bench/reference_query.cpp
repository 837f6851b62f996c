#include "bench/reference_query.h"

#include <sqlext.h>

#include <cstdio>

#include "runtime/extended/odbc_connect_string.h"
#include "runtime/extended/odbc_wine_connect.h"
#include "runtime/extended/odbc_wine_path.h"

namespace bench {
namespace {

bool succeeded(SQLRETURN r) { return r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO; }

std::string columnText(SQLHSTMT statement, SQLUSMALLINT column) {
  std::string text;
  char piece[4096];
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN r = SQLGetData(statement, column, SQL_C_CHAR, piece, sizeof piece, &indicator);
    if (r == SQL_NO_DATA || !succeeded(r) || indicator == SQL_NULL_DATA) return text;
    const size_t room = sizeof piece - 1;
    const bool whole = indicator != SQL_NO_TOTAL && indicator >= 0 && static_cast<size_t>(indicator) <= room;
    text.append(piece, whole ? static_cast<size_t>(indicator) : room);
    if (r == SQL_SUCCESS) return text;
  }
}

}  // namespace

int FetchedRows::column(const char* name) const {
  for (size_t i = 0; i < columns.size(); ++i) {
    if (lstrcmpiA(columns[i].c_str(), name) == 0) return static_cast<int>(i);
  }
  return -1;
}

ReferenceConnection::~ReferenceConnection() {
  if (connection_ != SQL_NULL_HDBC) {
    SQLDisconnect(connection_);
    SQLFreeConnect(connection_);
  }
  if (environment_ != SQL_NULL_HENV) SQLFreeEnv(environment_);
}

bool ReferenceConnection::open(const std::string& databasePath) {
  const std::string connect = lp::buildAccessConnectString(databasePath.c_str(), "", "");
  const lp::DriverConnect prepared = lp::prepareDriverConnect(connect, lp::wineHostPathTranslator());
  if (!succeeded(SQLAllocEnv(&environment_)) || !succeeded(SQLAllocConnect(environment_, &connection_))) return false;
  SQLSetConnectOption(connection_, SQL_ACCESS_MODE, SQL_MODE_READ_ONLY);
  std::string sent = prepared.sent;
  SQLCHAR completed[1024] = {};
  SQLSMALLINT length = 0;
  const SQLRETURN r = SQLDriverConnect(connection_, nullptr, reinterpret_cast<SQLCHAR*>(&sent[0]), SQL_NTS, completed,
                                       sizeof completed, &length, SQL_DRIVER_NOPROMPT);
  if (!succeeded(r)) std::fprintf(stderr, "cannot connect: %s\n", sent.c_str());
  return succeeded(r);
}

FetchedRows ReferenceConnection::run(const std::string& statementText) {
  FetchedRows fetched;
  SQLHSTMT statement = SQL_NULL_HSTMT;
  if (!succeeded(SQLAllocStmt(connection_, &statement))) return fetched;
  std::string text = statementText;
  if (succeeded(SQLExecDirect(statement, reinterpret_cast<SQLCHAR*>(&text[0]), SQL_NTS))) {
    SQLSMALLINT count = 0;
    SQLNumResultCols(statement, &count);
    for (SQLUSMALLINT c = 1; c <= count; ++c) {
      SQLCHAR name[256] = {};
      SQLSMALLINT nameLength = 0, type = 0, scale = 0, nullable = 0;
      SQLULEN size = 0;
      SQLDescribeCol(statement, c, name, sizeof name, &nameLength, &type, &size, &scale, &nullable);
      fetched.columns.push_back(reinterpret_cast<const char*>(name));
    }
    while (succeeded(SQLFetch(statement))) {
      std::vector<std::string> row;
      for (SQLUSMALLINT c = 1; c <= count; ++c) row.push_back(columnText(statement, c));
      fetched.rows.push_back(std::move(row));
    }
    fetched.ok = true;
  }
  SQLFreeStmt(statement, SQL_DROP);
  return fetched;
}

bool holdsWord(const std::string& text, const std::string& word) {
  if (word.empty()) return true;
  for (size_t i = 0; i + word.size() <= text.size();) {
    if (text.compare(i, word.size(), word) == 0) return true;
    // A GBK character is two bytes when its first byte has the top bit set.
    i += (static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size()) ? 2 : 1;
  }
  return false;
}

}  // namespace bench
