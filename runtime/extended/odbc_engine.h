// The database engine as its users see it: the field value record and the
// 31 entry points, published by name. A user looks an entry up by name each
// time it needs it and casts it to the entry's type below; a name the engine
// does not provide (GetTabList, for one) yields null.
//
// Handles: connections and record sets are identified by pointer-sized
// handles; 0 is never a valid handle. Their values are serial numbers that
// are never given out twice and fit in 32 bits, so an application may keep
// them in its integer variables on either width. Every entry checks its
// handles against the open connections and their 30 record-set slots, so a
// stale handle is simply invalid.
#pragma once
#include <cstdint>

#include "runtime/extended/odbc_column_rules.h"

namespace lp {

// One field, filled by ReadColByIndex / ReadColByName. Text and byte-set
// data are copies the engine owns until the record is handed to EmptyVar.
struct FieldValue {
  int32_t kind;    // FieldKind
  int32_t length;  // bytes of a byte-set; bytes of a text without its zero
  union {
    uint8_t byteValue;
    int16_t shortValue;
    int32_t integerValue;
    float floatValue;
    double doubleValue;  // also the day number of a date-time
    int32_t logical;     // 0 or 1
    char* text;          // zero-terminated GBK; null for the empty text
    uint8_t* bytes;      // null for the empty byte-set
  } value;
};

typedef uintptr_t DbHandle;

// Open options: `current` is the caller's present connection, which opening
// never touches (a caller replaces it only once the new one is open).
typedef DbHandle (*OpenDatabaseEntry)(DbHandle current, const char* connect, int32_t readOnly);
typedef DbHandle (*NewOpenDatabaseEntry)(DbHandle current, const char* connect,
                                         int32_t readOnly, int32_t noPrompt);
typedef void (*CloseDatabaseEntry)(DbHandle connection);
// Texts returned by the engine stay valid until the next call on the same
// connection; a caller copies what it keeps.
typedef const char* (*GetConnectStringEntry)(DbHandle connection);
typedef DbHandle (*OpenTableEntry)(DbHandle connection, const char* statement);
typedef void (*CloseTableEntry)(DbHandle connection, DbHandle recordSet);
typedef int32_t (*RecordSetTestEntry)(DbHandle connection, DbHandle recordSet);  // Requery, IsEOF, IsBOF
typedef void (*MoveEntry)(DbHandle connection, DbHandle recordSet);
typedef int32_t (*ExecuteSqlEntry)(DbHandle connection, const char* statement);
typedef int32_t (*ReadColByIndexEntry)(DbHandle connection, DbHandle recordSet, int32_t column,
                                       FieldValue* field);
typedef int32_t (*ReadColByNameEntry)(DbHandle connection, DbHandle recordSet, const char* name,
                                      FieldValue* field);
typedef void (*EmptyVarEntry)(FieldValue* field);
typedef int32_t (*TransactionEntry)(DbHandle connection);
typedef int32_t (*RecordSetCountEntry)(DbHandle connection, DbHandle recordSet);  // BDGetRecCount, BDGetColCount, BDAppendBlank, BDZap
typedef const char* (*ColumnTextEntry)(DbHandle connection, DbHandle recordSet, int32_t row,
                                       int32_t column);  // BDGetColText
typedef int32_t (*ColumnNumberEntry)(DbHandle connection, DbHandle recordSet, int32_t column);  // BDGetColSQLType, BDGetColWidth
typedef const char* (*ColumnNameEntry)(DbHandle connection, DbHandle recordSet, int32_t column);
typedef int32_t (*SetColumnTextEntry)(DbHandle connection, DbHandle recordSet, int32_t row,
                                      int32_t column, const char* text);
typedef int32_t (*RemoveRowsEntry)(DbHandle connection, DbHandle recordSet, int32_t row,
                                   int32_t count);

// Any entry, before it is cast to its type.
typedef void (*EngineEntryPoint)();

struct EngineEntry {
  const char* name;
  int32_t hash;  // engineNameHash(name), computed once at start-up
  EngineEntryPoint entry;
};

// The published table, in its fixed order.
const EngineEntry* engineEntries(int32_t* count);
// The first entry whose hash and name match; null when there is none.
EngineEntryPoint findEngineEntry(const char* name);

}  // namespace lp
