// The host (Unix) path of a Windows path when running under Wine.
#pragma once
#include "runtime/extended/odbc_wine_connect.h"

namespace lp {

// The translator when kernel32 exports wine_get_unix_file_name (under Wine);
// null on Windows.
HostPathTranslator wineHostPathTranslator();

}  // namespace lp
