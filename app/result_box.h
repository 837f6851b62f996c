// What the user does with the rows of 超级列表框: preview one verse, and
// append one row or all rows to the result box 编辑框_搜索后; and copying or
// clearing the result box.
#pragma once
#include <cstdint>

namespace reader {

// The mouse is over `row` (-1: over no row).
void previewRow(int32_t row);
void appendSelectedRow();
void appendAllRows();
// The copy and clear buttons under the result box.
void copyResultBox();
void clearResultBox();

}  // namespace reader
