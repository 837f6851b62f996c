#include "runtime/extended/odbc_wine_connect.h"

#include "runtime/extended/odbc_connect_string.h"

namespace lp {

DriverConnect prepareDriverConnect(const std::string& connect, HostPathTranslator translator) {
  DriverConnect d{true, connect, "", ""};
  if (!translator) return d;
  ConnectValue dbq = findConnectValue(connect, "DBQ");
  if (dbq.found) {
    std::string windowsPath = connect.substr(dbq.start, dbq.length);
    std::string hostPath = windowsPath.empty() ? "" : translator(windowsPath);
    if (!hostPath.empty()) {
      d.sent = replaceConnectValue(connect, "DBQ", hostPath);
      d.windowsPath = windowsPath;
      d.hostPath = hostPath;
    }
  }
  // The driver looks for these letters with a plain substring search.
  d.sendable = d.sent.find("DSN") == std::string::npos;
  return d;
}

std::string reportedConnectString(const DriverConnect& prepared, const std::string& callerConnect,
                                  const std::string& completed) {
  if (completed.empty()) return callerConnect;
  return replaceAll(completed, prepared.hostPath, prepared.windowsPath);
}

}  // namespace lp
