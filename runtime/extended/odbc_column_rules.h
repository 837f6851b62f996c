// What a result column's ODBC SQL type means to the engine: the kind of field
// value it reads as, whether it is bound as text, and its display width.
// SQL type numbers are ODBC's; portable, no platform headers.
#pragma once
#include <cstdint>

namespace lp {

// Kinds of a field value record (4 is never produced).
enum FieldKind : int32_t {
  kFieldNone = 0,
  kFieldByte = 1,
  kFieldShort = 2,
  kFieldInteger = 3,
  kFieldFloat = 5,
  kFieldDouble = 6,
  kFieldLogical = 7,
  kFieldText = 8,
  kFieldDateTime = 9,
  kFieldByteSet = 10,
};

FieldKind fieldKindOfSqlType(int32_t sqlType);

// Long text and binary columns (SQL types -1 to -4) and columns wider than
// 512 characters are not bound.
bool isBindableColumn(int32_t sqlType, int64_t displaySize);

// Width in characters for showing the column: from its type and precision,
// never less than the name's length + 1.
int32_t columnDisplayWidth(int32_t sqlType, int64_t precision, const char* name);

// Numeric SQL types (2 to 8, -5 to -7), which a blank record fills with "0".
bool isNumericSqlType(int32_t sqlType);

}  // namespace lp
