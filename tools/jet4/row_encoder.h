// Encodes one row of a table into the Jet 4 row format stored on data pages.
#pragma once

#include "tools/jet4/byte_buffer.h"
#include "tools/jet4/table_layout.h"

namespace jet4 {

// Largest row a data page can take.
constexpr size_t kMaxRowSize = 4060;

// Throws std::invalid_argument when a cell does not fit its column (wrong
// kind, text or binary longer than the column, a number out of range) or the
// row is larger than a page allows.
Bytes encodeRow(const TableLayout& layout, const Row& row);

}  // namespace jet4
