// Changing the rows of a dynaset. Each change opens an updatable cursor of
// its own on the record set's statement with the bound columns bound as
// text, steps forward to the row and changes it through SQLSetPos; the
// record set then reads its rows again. Where the driver refuses, the record
// set keeps the rows and texts it had.
#include <windows.h>
#include <sqlext.h>

#include <algorithm>
#include <cstring>

#include "runtime/extended/odbc_call.h"
#include "runtime/extended/odbc_record_set.h"

namespace lp {

namespace {

struct UpdateColumn {
  SQLUSMALLINT number;  // 1-based result column
  int64_t displaySize;
};

class UpdateCursor {
 public:
  UpdateCursor(HDBC connection, std::vector<UpdateColumn> columns) : columns_(std::move(columns)) {
    if (!odbcSucceeded(SQLAllocStmt(connection, &statement_))) statement_ = SQL_NULL_HSTMT;
  }
  ~UpdateCursor() {
    if (statement_ != SQL_NULL_HSTMT) SQLFreeStmt(statement_, SQL_DROP);
  }
  UpdateCursor(const UpdateCursor&) = delete;
  UpdateCursor& operator=(const UpdateCursor&) = delete;

  bool open(const std::string& sent) {
    if (statement_ == SQL_NULL_HSTMT) return false;
    SQLSetStmtOption(statement_, SQL_CONCURRENCY, SQL_CONCUR_LOCK);
    SQLSetStmtOption(statement_, SQL_CURSOR_TYPE, SQL_CURSOR_KEYSET_DRIVEN);
    std::vector<char> text(sent.begin(), sent.end());
    text.push_back(0);
    SQLRETURN r = odbcCall([&] {
      return SQLExecDirect(statement_, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
    });
    if (!odbcSucceeded(r)) return false;
    buffers_.resize(columns_.size());
    indicators_.assign(columns_.size(), SQL_COLUMN_IGNORE);
    for (size_t i = 0; i < columns_.size(); ++i) {
      buffers_[i].assign(static_cast<size_t>(std::max<int64_t>(columns_[i].displaySize, 64)) + 1, 0);
      r = SQLBindCol(statement_, columns_[i].number, SQL_C_CHAR, buffers_[i].data(),
                     static_cast<SQLLEN>(buffers_[i].size()), &indicators_[i]);
      if (!odbcSucceeded(r)) return false;
    }
    return true;
  }

  bool fetchNext() { return odbcSucceeded(odbcCall([&] { return SQLFetch(statement_); })); }
  // Steps forward until it stands on the 0-based row.
  bool fetchTo(int32_t row) {
    for (int32_t i = 0; i <= row; ++i) {
      if (!fetchNext()) return false;
    }
    return true;
  }

  // Only columns given a value take part in an update or an insert.
  void ignoreAll() { std::fill(indicators_.begin(), indicators_.end(), SQL_COLUMN_IGNORE); }
  void setText(size_t column, const char* text) {
    std::vector<char>& b = buffers_[column];
    size_t n = std::min(std::strlen(text), b.size() - 1);
    std::memcpy(b.data(), text, n);
    b[n] = 0;
    indicators_[column] = SQL_NTS;
  }
  void setNull(size_t column) { indicators_[column] = SQL_NULL_DATA; }

  bool setPos(SQLUSMALLINT row, SQLUSMALLINT operation) {
    return odbcSucceeded(
        odbcCall([&] { return SQLSetPos(statement_, row, operation, SQL_LOCK_NO_CHANGE); }));
  }

 private:
  HSTMT statement_ = SQL_NULL_HSTMT;
  std::vector<UpdateColumn> columns_;
  std::vector<std::vector<char>> buffers_;
  std::vector<SQLLEN> indicators_;
};

}  // namespace

static std::vector<UpdateColumn> updateColumnsOf(const CMRecordSet& set) {
  std::vector<UpdateColumn> columns;
  for (int32_t c = 0; c < set.boundColumnCount(); ++c) {
    const ResultColumn* column = set.boundColumn(c);
    columns.push_back({static_cast<SQLUSMALLINT>(column->number), column->displaySize});
  }
  return columns;
}

void CMRecordSet::reread(int32_t row) {
  if (open()) moveTo(std::min(row, recordCount() - 1));
}

bool CMRecordSet::setBoundText(int32_t row, int32_t column, const char* text) {
  if (cursor_ != kDynaset || !boundColumn(column) || row < 0 || row >= recordCount()) return false;
  UpdateCursor cursor(connection_, updateColumnsOf(*this));
  if (!cursor.open(sent_) || !cursor.fetchTo(row)) return false;
  cursor.ignoreAll();
  cursor.setText(static_cast<size_t>(column), text ? text : "");
  if (!cursor.setPos(1, SQL_UPDATE)) return false;
  reread(row);
  return true;
}

bool CMRecordSet::appendBlank() {
  if (cursor_ != kDynaset) return false;
  UpdateCursor cursor(connection_, updateColumnsOf(*this));
  if (!cursor.open(sent_)) return false;
  for (int32_t c = 0; c < boundColumnCount(); ++c) {
    if (isNumericSqlType(boundColumn(c)->sqlType))
      cursor.setText(static_cast<size_t>(c), "0");
    else
      cursor.setNull(static_cast<size_t>(c));
  }
  if (!cursor.setPos(0, SQL_ADD)) return false;
  reread(position_);
  return true;
}

bool CMRecordSet::removeRows(int32_t row, int32_t count) {
  if (cursor_ != kDynaset || row < 0 || row >= recordCount() || count < 1) return false;
  UpdateCursor cursor(connection_, updateColumnsOf(*this));
  if (!cursor.open(sent_) || !cursor.fetchTo(row)) return false;
  if (!cursor.setPos(1, SQL_DELETE)) return false;
  for (int32_t removed = 1; removed < count && cursor.fetchNext(); ++removed) {
    if (!cursor.setPos(1, SQL_DELETE)) break;
  }
  reread(row);
  return true;
}

bool CMRecordSet::zap() {
  if (tableName_.empty()) return false;
  HSTMT s = SQL_NULL_HSTMT;
  if (!odbcSucceeded(SQLAllocStmt(connection_, &s))) return false;
  std::string statement = "DELETE FROM " + tableName_;
  std::vector<char> text(statement.begin(), statement.end());
  text.push_back(0);
  SQLRETURN r = odbcCall(
      [&] { return SQLExecDirect(s, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS); });
  SQLFreeStmt(s, SQL_DROP);
  if (!odbcSucceeded(r)) return false;
  reread(0);
  return true;
}

}  // namespace lp
