// Writes a complete Jet 4 (Access 2000) database file: the header, the global
// usage map, the system tables with their catalog rows and index leaves, and
// the given user tables with their definitions, data pages and usage maps.
#pragma once

#include "tools/jet4/byte_buffer.h"
#include "tools/jet4/schema.h"

#include <vector>

namespace jet4 {

// `creationDate` (days since 1899-12-30) goes into the header and every
// catalog row, so the same input gives the same file. Throws
// std::invalid_argument when a table or a value cannot be stored.
Bytes writeDatabase(const std::vector<Table>& tables, double creationDate);

// Days since 1899-12-30 for a calendar date at midnight.
double jetDate(int year, int month, int day);

}  // namespace jet4
