// Plain records describing what the writer is asked to store: tables, their
// columns, optional indexes and rows of cells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jet4 {

enum class ColumnType : uint8_t {
  Boolean = 0x01,
  Byte = 0x02,
  Integer = 0x03,
  LongInteger = 0x04,
  DateTime = 0x08,
  Binary = 0x09,
  Text = 0x0A,
  Ole = 0x0B,
  Memo = 0x0C,
};

struct Column {
  std::u16string name;
  ColumnType type;
  uint16_t byteLength = 0;  // Text: 2 x characters; Binary: its size; others derived from the type
  uint8_t extraFlags = 0;   // flag bits beyond fixed/updatable (system columns only)
};

inline Column longColumn(std::u16string name) { return {std::move(name), ColumnType::LongInteger, 0, 0}; }
inline Column textColumn(std::u16string name, uint16_t chars) {
  return {std::move(name), ColumnType::Text, static_cast<uint16_t>(chars * 2), 0};
}

// An index over up to ten columns (by column number), ascending.
struct Index {
  std::u16string name;
  std::vector<uint16_t> columns;
  uint8_t flags = 0x80;  // 0x80 always; 0x01 unique, 0x02 ignore nulls, 0x08 required
  bool primaryKey = false;
};

// One cell. A null cell stores nothing; an integer serves every whole-number
// type and Boolean; Text is UCS-2; Binary/Memo/Ole values are bytes.
struct Cell {
  enum class Kind { Null, Integer, Real, Text, Bytes };
  Kind kind = Kind::Null;
  int64_t integer = 0;
  double real = 0;
  std::u16string text;
  std::vector<uint8_t> bytes;

  static Cell null() { return Cell{}; }
  static Cell of(int64_t v) { Cell c; c.kind = Kind::Integer; c.integer = v; return c; }
  static Cell ofReal(double v) { Cell c; c.kind = Kind::Real; c.real = v; return c; }
  static Cell ofText(std::u16string v) { Cell c; c.kind = Kind::Text; c.text = std::move(v); return c; }
  static Cell ofBytes(std::vector<uint8_t> v) { Cell c; c.kind = Kind::Bytes; c.bytes = std::move(v); return c; }
};

using Row = std::vector<Cell>;  // one cell per column, in column order

// A user table: columns in column-number order and its rows in file order.
struct Table {
  std::u16string name;
  std::vector<Column> columns;
  std::vector<Row> rows;
};

}  // namespace jet4
