// Calling ODBC: a call that answers SQL_STILL_EXECUTING is repeated until it
// answers something else.
#pragma once
#include <windows.h>
#include <sql.h>
#include <sqlext.h>

namespace lp {

template <typename Call>
SQLRETURN odbcCall(Call call) {
  SQLRETURN r;
  while ((r = call()) == SQL_STILL_EXECUTING) Sleep(0);
  return r;
}

inline bool odbcSucceeded(SQLRETURN r) { return r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO; }

}  // namespace lp
