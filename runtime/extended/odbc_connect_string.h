// Texts of ODBC connect strings: building the Access one from a file path and
// finding or replacing one keyword's value. Portable, no platform headers.
#pragma once
#include <string>

namespace lp {

// "ODBC;DBQ=<path>[;DefaultDir=<folder>];Driver={Microsoft Access Driver
// (*.mdb)};FIL=MS Access[;UID=<id>][;PWD=<password>];". The folder is the
// path up to its last backslash and is left out when there is none; an empty
// or null user id or password is left out. Nothing is quoted.
std::string buildAccessConnectString(const char* path, const char* userId, const char* password);

// Where the value of a keyword (matched without regard to letter case, at the
// start of a ';'-separated piece) starts and how long it is.
struct ConnectValue {
  bool found;
  size_t start;
  size_t length;
};
ConnectValue findConnectValue(const std::string& connect, const char* keyword);

// The connect string with that keyword's value replaced; unchanged when absent.
std::string replaceConnectValue(const std::string& connect, const char* keyword,
                                const std::string& value);

// Every occurrence of `from` replaced by `to` (nothing when `from` is empty).
std::string replaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace lp
