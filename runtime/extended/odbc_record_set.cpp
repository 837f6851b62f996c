#include "runtime/extended/odbc_record_set.h"

#include <windows.h>
#include <sqlext.h>

#include <cstring>
#include <utility>

#include "runtime/extended/odbc_call.h"
#include "runtime/extended/odbc_day_number.h"

namespace lp {

// The C type in which a column of each kind is fetched.
static SQLSMALLINT transferType(FieldKind kind) {
  switch (kind) {
    case kFieldLogical: return SQL_C_BIT;
    case kFieldByte: return SQL_C_UTINYINT;
    case kFieldShort: return SQL_C_SSHORT;
    case kFieldInteger: return SQL_C_SLONG;
    case kFieldFloat: return SQL_C_FLOAT;
    case kFieldDouble: return SQL_C_DOUBLE;
    case kFieldDateTime: return SQL_C_TIMESTAMP;
    case kFieldByteSet: return SQL_C_BINARY;
    default: return SQL_C_CHAR;
  }
}

static size_t fixedTransferSize(FieldKind kind) {
  switch (kind) {
    case kFieldLogical:
    case kFieldByte: return 1;
    case kFieldShort: return 2;
    case kFieldInteger: return 4;
    case kFieldFloat: return 4;
    case kFieldDouble: return 8;
    case kFieldDateTime: return sizeof(TIMESTAMP_STRUCT);
    default: return 0;
  }
}
static_assert(sizeof(TIMESTAMP_STRUCT) == sizeof(TimestampParts), "timestamp layouts agree");

CMRecordSet::CMRecordSet(HDBC connection, std::string sent, Cursor cursor, DbHandle handle)
    : connection_(connection), sent_(std::move(sent)), cursor_(cursor), handle_(handle) {}

CMRecordSet::~CMRecordSet() {
  if (statement_ != SQL_NULL_HSTMT) SQLFreeStmt(statement_, SQL_DROP);
}

bool CMRecordSet::open() {
  if (statement_ == SQL_NULL_HSTMT) {
    if (!odbcSucceeded(SQLAllocStmt(connection_, &statement_))) {
      statement_ = SQL_NULL_HSTMT;
      return false;
    }
    // Rows are read once, in order, and kept: a read-only forward cursor is
    // all a snapshot needs of the driver.
    SQLSetStmtOption(statement_, SQL_CONCURRENCY, SQL_CONCUR_READ_ONLY);
  }
  std::vector<FetchedRow> rows;
  if (!readAllRows(&rows)) return false;
  rows_ = std::move(rows);
  position_ = 0;
  return true;
}

bool CMRecordSet::readAllRows(std::vector<FetchedRow>* rows) {
  SQLHSTMT s = statement_;
  SQLFreeStmt(s, SQL_CLOSE);
  std::vector<char> text(sent_.begin(), sent_.end());
  text.push_back(0);
  SQLRETURN r = odbcCall([&] {
    return SQLExecDirect(s, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
  });
  if (!odbcSucceeded(r) || !describeColumns()) {
    SQLFreeStmt(s, SQL_CLOSE);
    return false;
  }
  bool first = true;
  for (;;) {
    r = odbcCall([&] { return SQLFetch(s); });
    if (r == SQL_NO_DATA) break;
    if (!odbcSucceeded(r)) {
      // The first fetch failing is a failed statement; a later failure ends
      // the scan with the rows read so far.
      if (first) {
        SQLFreeStmt(s, SQL_CLOSE);
        return false;
      }
      break;
    }
    first = false;
    FetchedRow row(columns_.size());
    for (size_t c = 0; c < columns_.size(); ++c) {
      if (!fetchField(static_cast<int32_t>(c), &row[c])) row[c] = FetchedField{true, ""};
    }
    rows->push_back(std::move(row));
  }
  // The rows are in memory; the driver's cursor is not needed any more.
  SQLFreeStmt(s, SQL_CLOSE);
  return true;
}

bool CMRecordSet::describeColumns() {
  SQLSMALLINT count = 0;
  if (!odbcSucceeded(odbcCall([&] { return SQLNumResultCols(statement_, &count); }))) return false;
  std::vector<ResultColumn> columns;
  std::vector<int32_t> bound;
  for (SQLUSMALLINT c = 1; c <= count; ++c) {
    SQLCHAR name[256] = {0};
    SQLSMALLINT nameLength = 0, type = 0, scale = 0, nullable = 0;
    SQLULEN precision = 0;
    SQLRETURN r = odbcCall([&] {
      return SQLDescribeCol(statement_, c, name, sizeof name, &nameLength, &type, &precision,
                            &scale, &nullable);
    });
    if (!odbcSucceeded(r)) return false;
    SQLLEN displaySize = 0;
    odbcCall([&] {
      return SQLColAttribute(statement_, c, SQL_DESC_DISPLAY_SIZE, nullptr, 0, nullptr,
                             &displaySize);
    });
    if (c == 1) {
      SQLCHAR table[256] = {0};
      SQLSMALLINT tableLength = 0;
      odbcCall([&] {
        return SQLColAttribute(statement_, c, SQL_DESC_BASE_TABLE_NAME, table, sizeof table,
                               &tableLength, nullptr);
      });
      tableName_ = reinterpret_cast<const char*>(table);
    }
    ResultColumn column{c, reinterpret_cast<const char*>(name), type,
                        static_cast<int64_t>(precision), static_cast<int64_t>(displaySize),
                        fieldKindOfSqlType(type)};
    if (isBindableColumn(type, column.displaySize)) bound.push_back(c - 1);
    columns.push_back(std::move(column));
  }
  columns_ = std::move(columns);
  bound_ = std::move(bound);
  return true;
}

bool CMRecordSet::fetchField(int32_t column, FetchedField* field) {
  const FieldKind kind = columns_[column].kind;
  const SQLSMALLINT type = transferType(kind);
  const SQLUSMALLINT number = static_cast<SQLUSMALLINT>(column + 1);
  field->isNull = false;
  field->bytes.clear();
  if (size_t size = fixedTransferSize(kind)) {
    char value[sizeof(TIMESTAMP_STRUCT)] = {0};
    SQLLEN indicator = 0;
    SQLRETURN r = odbcCall([&] {
      return SQLGetData(statement_, number, type, value, sizeof value, &indicator);
    });
    if (!odbcSucceeded(r)) return false;
    field->isNull = indicator == SQL_NULL_DATA;
    if (!field->isNull) field->bytes.assign(value, size);
    return true;
  }
  // Text and binary data come in pieces; a two-byte character may be split
  // between pieces, which joining them mends.
  const bool isText = type == SQL_C_CHAR;
  char piece[4096];
  for (;;) {
    SQLLEN indicator = 0;
    SQLRETURN r = odbcCall([&] {
      return SQLGetData(statement_, number, type, piece, sizeof piece, &indicator);
    });
    if (r == SQL_NO_DATA) return true;
    if (!odbcSucceeded(r)) return false;
    if (indicator == SQL_NULL_DATA) {
      field->isNull = true;
      return true;
    }
    const size_t room = isText ? sizeof piece - 1 : sizeof piece;
    size_t got = indicator == SQL_NO_TOTAL || indicator < 0 || static_cast<size_t>(indicator) > room
                     ? room
                     : static_cast<size_t>(indicator);
    field->bytes.append(piece, got);
    if (r == SQL_SUCCESS) return true;
  }
}

void CMRecordSet::moveNext() {
  if (position_ < recordCount()) ++position_;
}

void CMRecordSet::movePrev() {
  if (position_ >= 0) --position_;
  if (rows_.empty()) position_ = 0;
}

void CMRecordSet::moveFirst() { position_ = 0; }

void CMRecordSet::moveLast() {
  if (!rows_.empty()) position_ = recordCount() - 1;
}

bool CMRecordSet::moveTo(int32_t row) {
  if (row < 0 || row >= recordCount()) return false;
  position_ = row;
  return true;
}

bool CMRecordSet::readField(int32_t column, FieldValue* field) const {
  if (isBOF() || isEOF()) return false;
  if (column < 0 || column >= static_cast<int32_t>(columns_.size())) {
    std::memset(field, 0, sizeof *field);
    return true;
  }
  fillFieldValue(columns_[column].kind, rows_[position_][column], field);
  return true;
}

int32_t CMRecordSet::columnByName(const char* name) const {
  if (!name) return -1;
  for (size_t c = 0; c < columns_.size(); ++c) {
    if (columns_[c].name == name) return static_cast<int32_t>(c);
  }
  return -1;
}

const ResultColumn* CMRecordSet::boundColumn(int32_t column) const {
  if (column < 0 || column >= boundColumnCount()) return nullptr;
  return &columns_[bound_[column]];
}

std::string CMRecordSet::boundText(int32_t column) const {
  const ResultColumn* c = boundColumn(column);
  if (!c || isBOF() || isEOF()) return "";
  return fieldText(c->kind, rows_[position_][bound_[column]]);
}

}  // namespace lp
