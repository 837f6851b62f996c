#include "tools/jet4/row_encoder.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace jet4 {
namespace {

std::string columnName(const Column& column) {
  std::string name;
  for (char16_t c : column.name) name += c < 0x80 ? static_cast<char>(c) : '?';
  return name;
}

[[noreturn]] void reject(const Column& column, const char* why) {
  throw std::invalid_argument("column " + columnName(column) + ": " + why);
}

int64_t wholeNumber(const Column& column, const Cell& cell, int64_t low, int64_t high) {
  if (cell.kind != Cell::Kind::Integer) reject(column, "expects a whole number");
  if (cell.integer < low || cell.integer > high) reject(column, "number out of range");
  return cell.integer;
}

void writeFixed(Bytes& row, size_t at, const Column& column, const Cell& cell) {
  switch (column.type) {
    case ColumnType::Byte: row[at] = static_cast<uint8_t>(wholeNumber(column, cell, 0, 255)); break;
    case ColumnType::Integer:
      putU16(row, at, static_cast<uint32_t>(wholeNumber(column, cell, -32768, 65535)));
      break;
    case ColumnType::LongInteger:
      // Catalog identifiers such as 0x80000000 are stored as the raw word.
      putU32(row, at, static_cast<uint32_t>(wholeNumber(column, cell, INT32_MIN, UINT32_MAX)));
      break;
    case ColumnType::DateTime: {
      if (cell.kind != Cell::Kind::Real) reject(column, "expects a date (days since 1899-12-30)");
      uint64_t bits;
      std::memcpy(&bits, &cell.real, sizeof bits);
      putU32(row, at, static_cast<uint32_t>(bits));
      putU32(row, at + 4, static_cast<uint32_t>(bits >> 32));
      break;
    }
    default: reject(column, "unsupported fixed type");
  }
}

Bytes variableValue(const Column& column, uint16_t byteLength, const Cell& cell) {
  Bytes out;
  switch (column.type) {
    case ColumnType::Text:
      if (cell.kind != Cell::Kind::Text) reject(column, "expects text");
      if (cell.text.size() * 2 > byteLength) reject(column, "text longer than the column");
      appendUcs2(out, cell.text);
      return out;
    case ColumnType::Binary:
      if (cell.kind != Cell::Kind::Bytes) reject(column, "expects bytes");
      if (cell.bytes.size() > byteLength) reject(column, "value longer than the column");
      return cell.bytes;
    case ColumnType::Memo:
    case ColumnType::Ole:
      // Kept inside the row: length with the "inline" kind bit, no page pointer.
      if (cell.kind != Cell::Kind::Bytes) reject(column, "expects bytes");
      if (cell.bytes.size() >= 0x800000) reject(column, "long value too large");
      appendU32(out, static_cast<uint32_t>(cell.bytes.size()) | 0x80000000u);
      appendZeros(out, 8);
      appendBytes(out, cell.bytes);
      return out;
    default: reject(column, "unsupported variable type");
  }
}

}  // namespace

Bytes encodeRow(const TableLayout& layout, const Row& row) {
  const size_t count = layout.columns.size();
  if (row.size() != count) throw std::invalid_argument("row has the wrong number of cells");

  Bytes out;
  appendU16(out, static_cast<uint32_t>(count));
  appendZeros(out, layout.fixedAreaSize);
  Bytes nullMask((count + 7) / 8, 0);
  std::vector<uint16_t> varOffsets(layout.variableCount, 0);

  for (size_t i = 0; i < count; ++i) {
    const Column& column = layout.columns[i];
    const ColumnPlacement& place = layout.places[i];
    const Cell& cell = row[i];
    bool present = cell.kind != Cell::Kind::Null;
    if (column.type == ColumnType::Boolean) present = present && wholeNumber(column, cell, 0, 1) == 1;
    if (present) nullMask[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
    if (place.fixed && present && column.type != ColumnType::Boolean)
      writeFixed(out, 2 + place.fixedOffset, column, cell);
  }
  // Variable data in variable-column order; a null one has zero length.
  for (size_t i = 0; i < count; ++i) {
    const ColumnPlacement& place = layout.places[i];
    if (place.fixed) continue;
    varOffsets[place.varIndex] = static_cast<uint16_t>(out.size());
    if (row[i].kind != Cell::Kind::Null) appendBytes(out, variableValue(layout.columns[i], place.byteLength, row[i]));
    if (out.size() > kMaxRowSize) throw std::invalid_argument("row larger than a page allows");
  }
  if (layout.variableCount > 0) {
    appendU16(out, static_cast<uint32_t>(out.size()));  // end of the variable data
    for (size_t v = layout.variableCount; v-- > 0;) appendU16(out, varOffsets[v]);
    appendU16(out, layout.variableCount);
  }
  appendBytes(out, nullMask);
  if (out.size() > kMaxRowSize) throw std::invalid_argument("row larger than a page allows");
  return out;
}

}  // namespace jet4
