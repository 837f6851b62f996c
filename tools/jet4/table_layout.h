// Where each column of a table lives: its number, its place among the
// variable-length columns or in the fixed area, and its tdef flags.
#pragma once

#include "tools/jet4/schema.h"

#include <cstdint>
#include <vector>

namespace jet4 {

struct ColumnPlacement {
  uint16_t number = 0;
  bool fixed = false;
  uint16_t varIndex = 0;   // for fixed columns: how many variable columns come before it
  uint16_t fixedOffset = 0;
  uint16_t byteLength = 0;  // the tdef length
  uint8_t flags = 0;
};

struct TableLayout {
  std::vector<Column> columns;
  std::vector<ColumnPlacement> places;  // same order as columns
  uint16_t fixedAreaSize = 0;
  uint16_t variableCount = 0;
};

bool isFixedType(ColumnType type);
bool isLongValueType(ColumnType type);  // Memo and Ole

// Lays out the columns in column-number order. System tables carry the 0x10
// flag on every column, as the engine writes them.
TableLayout layoutColumns(const std::vector<Column>& columns, bool systemTable);

}  // namespace jet4
