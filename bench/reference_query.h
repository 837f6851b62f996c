// Statements run straight through ODBC, the way the reader's database engine
// runs them: the same driver and connect string, every row fetched with
// SQLGetData of every column.
#pragma once
#include <windows.h>
#include <sql.h>

#include <string>
#include <vector>

namespace bench {

struct FetchedRows {
  std::vector<std::string> columns;           // names as the driver gives them
  std::vector<std::vector<std::string>> rows; // GBK text of every column
  bool ok = false;
  // The column's index, or -1.
  int column(const char* name) const;
};

class ReferenceConnection {
 public:
  ~ReferenceConnection();
  // Connects to the Access file at this Windows path; false with a message on stderr.
  bool open(const std::string& databasePath);
  FetchedRows run(const std::string& statement);

 private:
  SQLHENV environment_ = SQL_NULL_HENV;
  SQLHDBC connection_ = SQL_NULL_HDBC;
};

// Whether the GBK text holds the word at a character boundary.
bool holdsWord(const std::string& text, const std::string& word);

}  // namespace bench
