// The process-wide ODBC environment, shared by all connections.
#pragma once
#include <windows.h>
#include <sql.h>

namespace lp {

// Each open connection holds one reference; the first creates the
// environment, the last release frees it. Null when ODBC is unavailable.
HENV acquireOdbcEnvironment();
void releaseOdbcEnvironment();

}  // namespace lp
