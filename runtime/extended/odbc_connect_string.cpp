#include "runtime/extended/odbc_connect_string.h"

#include <cctype>
#include <cstring>

namespace lp {

std::string buildAccessConnectString(const char* path, const char* userId, const char* password) {
  std::string p = path ? path : "";
  std::string s = "ODBC;DBQ=" + p;
  size_t slash = p.rfind('\\');
  if (slash != std::string::npos) s += ";DefaultDir=" + p.substr(0, slash);
  s += ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access";
  if (userId && *userId) s += std::string(";UID=") + userId;
  if (password && *password) s += std::string(";PWD=") + password;
  s += ";";
  return s;
}

static bool keywordAt(const std::string& s, size_t at, const char* keyword) {
  size_t n = std::strlen(keyword);
  if (at + n >= s.size() || s[at + n] != '=') return false;
  for (size_t i = 0; i < n; ++i) {
    if (std::toupper(static_cast<unsigned char>(s[at + i])) !=
        std::toupper(static_cast<unsigned char>(keyword[i])))
      return false;
  }
  return true;
}

ConnectValue findConnectValue(const std::string& connect, const char* keyword) {
  size_t piece = 0;
  while (piece <= connect.size()) {
    if (keywordAt(connect, piece, keyword)) {
      size_t start = piece + std::strlen(keyword) + 1;
      size_t end = connect.find(';', start);
      if (end == std::string::npos) end = connect.size();
      return {true, start, end - start};
    }
    size_t next = connect.find(';', piece);
    if (next == std::string::npos) break;
    piece = next + 1;
  }
  return {false, 0, 0};
}

std::string replaceConnectValue(const std::string& connect, const char* keyword,
                                const std::string& value) {
  ConnectValue v = findConnectValue(connect, keyword);
  if (!v.found) return connect;
  return connect.substr(0, v.start) + value + connect.substr(v.start + v.length);
}

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string out;
  size_t at = 0;
  for (size_t hit; (hit = text.find(from, at)) != std::string::npos; at = hit + from.size())
    out += text.substr(at, hit - at) + to;
  return out + text.substr(at);
}

}  // namespace lp
