#include "runtime/extended/odbc_environment.h"

#include <mutex>

#include "runtime/extended/odbc_call.h"

namespace lp {

static std::mutex environmentLock;
static HENV environment = SQL_NULL_HENV;
static int environmentUsers = 0;

HENV acquireOdbcEnvironment() {
  std::lock_guard<std::mutex> hold(environmentLock);
  if (environmentUsers == 0) {
    if (!odbcSucceeded(SQLAllocEnv(&environment))) {
      environment = SQL_NULL_HENV;
      return SQL_NULL_HENV;
    }
  }
  ++environmentUsers;
  return environment;
}

void releaseOdbcEnvironment() {
  std::lock_guard<std::mutex> hold(environmentLock);
  if (environmentUsers == 0) return;
  if (--environmentUsers == 0) {
    SQLFreeEnv(environment);
    environment = SQL_NULL_HENV;
  }
}

}  // namespace lp
