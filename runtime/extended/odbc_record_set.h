// CMRecordSet: the result of one statement, read completely when it is
// opened and kept in memory. That gives the record count at once and lets
// the set move backwards and to any row even where the driver can only
// fetch forwards; it is what a snapshot is.
#pragma once
#include <windows.h>
#include <sql.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/extended/odbc_engine.h"
#include "runtime/extended/odbc_field_value.h"

namespace lp {

struct ResultColumn {
  int32_t number;  // 1-based, as ODBC counts
  std::string name;
  int32_t sqlType;
  int64_t precision;
  int64_t displaySize;
  FieldKind kind;
};

typedef std::vector<FetchedField> FetchedRow;

class CMRecordSet {
 public:
  enum Cursor { kSnapshot, kDynaset };

  // `sent` is the statement as the driver receives it (brackets replaced).
  CMRecordSet(HDBC connection, std::string sent, Cursor cursor, DbHandle handle);
  ~CMRecordSet();
  CMRecordSet(const CMRecordSet&) = delete;
  CMRecordSet& operator=(const CMRecordSet&) = delete;

  DbHandle handle() const { return handle_; }

  // Runs the statement and reads every row; stands on the first one.
  // False on a database error; the set then holds its previous rows.
  bool open();

  bool isBOF() const { return rows_.empty() || position_ < 0; }
  bool isEOF() const { return rows_.empty() || position_ >= recordCount(); }
  void moveNext();
  void movePrev();
  void moveFirst();
  void moveLast();
  // Stands on a 0-based row; false (position unchanged) when there is none.
  bool moveTo(int32_t row);

  int32_t recordCount() const { return static_cast<int32_t>(rows_.size()); }

  // The current record's field at a 0-based result column. False when not
  // on a record; a column out of range gives kind 0.
  bool readField(int32_t column, FieldValue* field) const;
  // The 0-based result column named exactly `name`, or -1.
  int32_t columnByName(const char* name) const;

  // Bound columns (see isBindableColumn), 0-based; null out of range.
  int32_t boundColumnCount() const { return static_cast<int32_t>(bound_.size()); }
  const ResultColumn* boundColumn(int32_t column) const;
  // The bound column's value in the current record as text ("" for NULL).
  std::string boundText(int32_t column) const;

  // Editing a dynaset (a snapshot refuses): each opens its own updatable
  // cursor on the statement, changes the database, then reads the rows again.
  bool setBoundText(int32_t row, int32_t column, const char* text);
  bool appendBlank();
  bool removeRows(int32_t row, int32_t count);
  bool zap();

 private:
  bool readAllRows(std::vector<FetchedRow>* rows);
  bool describeColumns();
  bool fetchField(int32_t column, FetchedField* field);
  // After a change: reads the rows again and stands on `row` where it can.
  void reread(int32_t row);

  HDBC connection_;
  HSTMT statement_ = SQL_NULL_HSTMT;
  std::string sent_;
  Cursor cursor_;
  DbHandle handle_;
  std::string tableName_;
  std::vector<ResultColumn> columns_;
  std::vector<int32_t> bound_;  // result column of each bound column
  std::vector<FetchedRow> rows_;
  int32_t position_ = 0;
};

}  // namespace lp
