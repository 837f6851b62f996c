// Connect strings under Wine, where odbc32 hands every call to the host's
// driver manager and an Access driver that needs a Unix path in DBQ and
// takes the letters "DSN" anywhere in the string for a data source name.
// On Windows there is no translator and the string passes unchanged.
// Portable, no platform headers: the translator is passed in.
#pragma once
#include <string>

namespace lp {

// Gives the host path of a Windows path, or "" when it cannot.
typedef std::string (*HostPathTranslator)(const std::string& windowsPath);

struct DriverConnect {
  bool sendable;             // false: the driver would misread the string
  std::string sent;          // what SQLDriverConnect receives
  std::string windowsPath;   // DBQ as the caller gave it, when translated
  std::string hostPath;      // and as sent
};

// `translator` is null on Windows.
DriverConnect prepareDriverConnect(const std::string& connect, HostPathTranslator translator);

// The connect string a connection reports: the driver's completed string, or
// the caller's own when the driver completed none, with the host path turned
// back into the caller's path so that the string can be opened again.
std::string reportedConnectString(const DriverConnect& prepared, const std::string& callerConnect,
                                  const std::string& completed);

}  // namespace lp
