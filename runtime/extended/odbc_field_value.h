// Field values: from the bytes fetched for a column to the field value
// record the engine hands out, and to the text of a bound column.
// Portable, no platform headers.
#pragma once
#include <string>

#include "runtime/extended/odbc_engine.h"

namespace lp {

// One field of a fetched row: the bytes SQLGetData gave in the transfer type
// of the column's kind (the C value of a number, an ODBC timestamp record,
// text without its zero). Columns of kind 0 are fetched as text.
struct FetchedField {
  bool isNull;
  std::string bytes;
};

// Sets the record to the field's value, or to the kind's zero value when the
// field is NULL or empty. Text and byte-set data are fresh copies that the
// record owns; kind 0 gives an empty record.
void fillFieldValue(FieldKind kind, const FetchedField& field, FieldValue* value);

// Frees what the record owns and leaves it at kind 0.
void emptyFieldValue(FieldValue* value);

// The field as a bound column shows it: numbers in decimal, logicals as 0 or
// 1, date-times as "YYYY-MM-DD hh:mm:ss", NULL as "".
std::string fieldText(FieldKind kind, const FetchedField& field);

}  // namespace lp
