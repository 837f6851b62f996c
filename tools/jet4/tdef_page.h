// The table definition page (type 02): columns, indexes and the pointers to
// the table's usage maps.
#pragma once

#include "tools/jet4/byte_buffer.h"
#include "tools/jet4/table_layout.h"

#include <cstdint>
#include <vector>

namespace jet4 {

struct IndexPlacement {
  Index index;
  uint32_t mapPointer = 0;  // row pointer of the map listing its leaf pages
  uint32_t rootPage = 0;
  uint32_t entryCount = 0;
};

struct LongValueMaps {
  uint16_t column = 0;
  uint32_t ownedPointer = 0;
  uint32_t freePointer = 0;
};

struct TableDefinition {
  const TableLayout* layout = nullptr;
  bool systemTable = false;
  uint32_t rowCount = 0;
  uint32_t ownedPointer = 0;
  uint32_t freePointer = 0;
  std::vector<IndexPlacement> indexes;       // real index order
  std::vector<LongValueMaps> longValueMaps;  // one per Memo/Ole column
};

// The whole definition on one page; throws std::invalid_argument if it needs
// more. System tables list columns and index names sorted by name, as the
// engine stores them; readers key on the column numbers either way.
Bytes tdefPage(const TableDefinition& definition);

}  // namespace jet4
