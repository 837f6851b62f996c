#include "tools/jet4/table_layout.h"

#include <stdexcept>

namespace jet4 {
namespace {

uint16_t fixedStorage(ColumnType type) {
  switch (type) {
    case ColumnType::Boolean: return 0;  // the null-mask bit is the value
    case ColumnType::Byte: return 1;
    case ColumnType::Integer: return 2;
    case ColumnType::LongInteger: return 4;
    case ColumnType::DateTime: return 8;
    default: throw std::logic_error("not a fixed-length column type");
  }
}

uint16_t tdefLength(const Column& column) {
  switch (column.type) {
    case ColumnType::Boolean: return 1;
    case ColumnType::Memo:
    case ColumnType::Ole: return 0;
    case ColumnType::Text:
    case ColumnType::Binary:
      if (column.byteLength == 0) throw std::invalid_argument("text or binary column without a length");
      return column.byteLength;
    default: return fixedStorage(column.type);
  }
}

}  // namespace

bool isFixedType(ColumnType type) {
  switch (type) {
    case ColumnType::Boolean:
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::LongInteger:
    case ColumnType::DateTime: return true;
    default: return false;
  }
}

bool isLongValueType(ColumnType type) { return type == ColumnType::Memo || type == ColumnType::Ole; }

TableLayout layoutColumns(const std::vector<Column>& columns, bool systemTable) {
  if (columns.empty() || columns.size() > 255) throw std::invalid_argument("a table needs 1 to 255 columns");
  TableLayout layout;
  layout.columns = columns;
  uint16_t fixedOffset = 0;
  uint16_t variables = 0;
  for (size_t i = 0; i < columns.size(); ++i) {
    const Column& column = columns[i];
    ColumnPlacement place;
    place.number = static_cast<uint16_t>(i);
    place.fixed = isFixedType(column.type);
    place.byteLength = tdefLength(column);
    place.flags = static_cast<uint8_t>(0x02 | (place.fixed ? 0x01 : 0) | (systemTable ? 0x10 : 0) |
                                       column.extraFlags);
    place.varIndex = variables;
    if (place.fixed) {
      uint16_t storage = fixedStorage(column.type);
      if (storage > 0) {
        place.fixedOffset = fixedOffset;
        fixedOffset = static_cast<uint16_t>(fixedOffset + storage);
      }
    } else {
      ++variables;
    }
    layout.places.push_back(place);
  }
  layout.fixedAreaSize = fixedOffset;
  layout.variableCount = variables;
  return layout;
}

}  // namespace jet4
