// Data pages (type 01): encoded rows packed downwards from the page end.
#pragma once

#include "tools/jet4/byte_buffer.h"

#include <cstdint>
#include <vector>

namespace jet4 {

// Splits encoded rows, in order, into groups that each fit one data page.
std::vector<std::vector<Bytes>> groupRowsIntoPages(const std::vector<Bytes>& rows);

// One data page owned by the table whose tdef is on `ownerPage` (0 for the
// pages that hold usage maps).
Bytes dataPage(uint32_t ownerPage, const std::vector<Bytes>& rows);

}  // namespace jet4
