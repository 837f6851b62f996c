// The system tables the engine creates in every new database, and the rows
// of its catalog (MSysObjects) and permissions (MSysACEs).
#pragma once

#include "tools/jet4/byte_buffer.h"
#include "tools/jet4/schema.h"

#include <cstdint>
#include <vector>

namespace jet4 {

struct SystemTable {
  std::u16string name;
  std::vector<Column> columns;  // column-number order
  std::vector<Index> indexes;   // real index order
};

// MSysObjects, MSysACEs, MSysQueries, MSysRelationships: their definitions go
// on pages 2 to 5, and a table's catalog Id is its definition page.
const std::vector<SystemTable>& systemTables();
constexpr uint32_t kFirstSystemTablePage = 2;

// Catalog identifiers of the top-level objects.
constexpr uint32_t kRootContainer = 0x0F000000;
constexpr uint32_t kTablesContainer = 0x0F000001;
constexpr uint32_t kDatabasesContainer = 0x0F000002;
constexpr uint32_t kRelationshipsContainer = 0x0F000003;
constexpr uint32_t kDatabaseObject = 0x10000000;

struct CatalogObject {
  uint32_t id = 0;
  uint32_t parentId = 0;
  std::u16string name;
  int16_t type = 0;   // 1 table, 2 database, 3 container
  uint32_t flags = 0; // 0x80000000 engine object; user tables 0
  Bytes owner;
  Bytes properties;   // LvProp, empty for none
  bool container = false;
};

// The engine-made objects (containers, the database, the system tables)
// followed by one row per user table, given with its definition page.
struct UserTableEntry {
  std::u16string name;
  uint32_t tdefPage = 0;
};
std::vector<CatalogObject> catalogObjects(const std::vector<UserTableEntry>& userTables);

// The MSysObjects row and the MSysACEs rows of one object.
Row catalogRow(const CatalogObject& object, double date);
std::vector<Row> permissionRows(const CatalogObject& object);

}  // namespace jet4
