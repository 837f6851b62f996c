#include "tools/jet4/database_writer.h"

#include "tools/jet4/data_pages.h"
#include "tools/jet4/header_page.h"
#include "tools/jet4/index_leaf.h"
#include "tools/jet4/page_size.h"
#include "tools/jet4/row_encoder.h"
#include "tools/jet4/system_tables.h"
#include "tools/jet4/table_layout.h"
#include "tools/jet4/tdef_page.h"
#include "tools/jet4/usage_map.h"

#include <map>
#include <stdexcept>

namespace jet4 {
namespace {

// Fixed page roles of the files we write.
constexpr uint32_t kGlobalMapPage = 1;
constexpr uint32_t kMapRowPage = 6;
constexpr uint32_t kFirstLeafPage = 7;
constexpr uint32_t kCatalogDataPage = 14;
constexpr uint32_t kPermissionDataPage = 15;
constexpr uint32_t kFirstUserPage = 16;
constexpr size_t kCatalogTable = 0;
constexpr size_t kPermissionTable = 1;

struct UserTablePlan {
  const Table* table = nullptr;
  TableLayout layout;
  std::vector<std::vector<Bytes>> pageRows;
  uint32_t tdefPage = 0;
  std::vector<uint32_t> dataPages;
  uint32_t firstBitmapPage = 0;  // only with a reference map
  size_t bitmapPageCount = 0;
};

// Collects the usage-map rows of page 6 and hands out their pointers.
struct MapRows {
  std::vector<Bytes> rows;
  uint32_t add(Bytes row) {
    rows.push_back(std::move(row));
    return rowPointer(kMapRowPage, static_cast<uint32_t>(rows.size() - 1));
  }
};

class FileImage {
 public:
  void put(uint32_t page, Bytes bytes) {
    if (bytes.size() != kPageSize) throw std::logic_error("page of the wrong size");
    pages_[page] = std::move(bytes);
  }
  Bytes assemble(uint32_t pageCount) const {
    Bytes out(static_cast<size_t>(pageCount) * kPageSize, 0);
    for (const auto& [number, page] : pages_) {
      if (number >= pageCount) throw std::logic_error("page past the end of the file");
      putBytes(out, static_cast<size_t>(number) * kPageSize, page);
    }
    return out;
  }

 private:
  std::map<uint32_t, Bytes> pages_;
};

void checkUserTable(const Table& table) {
  for (const Column& column : table.columns)
    if (isLongValueType(column.type)) throw std::invalid_argument("Memo and OLE columns are not written to user tables");
  for (const auto& system : systemTables())
    if (system.name == table.name) throw std::invalid_argument("a user table cannot take a system table's name");
}

std::vector<UserTablePlan> planUserTables(const std::vector<Table>& tables, uint32_t& nextPage) {
  std::vector<UserTablePlan> plans;
  for (const Table& table : tables) {
    checkUserTable(table);
    UserTablePlan plan;
    plan.table = &table;
    plan.layout = layoutColumns(table.columns, false);
    std::vector<Bytes> encoded;
    encoded.reserve(table.rows.size());
    for (const Row& row : table.rows) encoded.push_back(encodeRow(plan.layout, row));
    plan.pageRows = groupRowsIntoPages(encoded);
    plan.tdefPage = nextPage++;
    for (size_t i = 0; i < plan.pageRows.size(); ++i) plan.dataPages.push_back(nextPage++);
    if (!fitsInlineMap(plan.dataPages)) {
      plan.firstBitmapPage = nextPage;
      plan.bitmapPageCount = referenceBitmapPageCount(plan.dataPages);
      nextPage += static_cast<uint32_t>(plan.bitmapPageCount);
    }
    plans.push_back(std::move(plan));
  }
  return plans;
}

// One data page holding every row of a system table; its rows' positions are
// what the index leaves point at.
Bytes singleDataPage(uint32_t owner, const std::vector<Bytes>& rows, const char* what) {
  if (groupRowsIntoPages(rows).size() > 1) throw std::invalid_argument(std::string(what) + " rows overflow their page");
  return dataPage(owner, rows);
}

}  // namespace

double jetDate(int year, int month, int day) {
  // Days from civil date (proleptic Gregorian), shifted to 1899-12-30.
  auto daysFromCivil = [](int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
  };
  return static_cast<double>(daysFromCivil(year, month, day) - daysFromCivil(1899, 12, 30));
}

Bytes writeDatabase(const std::vector<Table>& tables, double creationDate) {
  const auto& system = systemTables();
  std::vector<TableLayout> systemLayouts;
  for (const SystemTable& table : system) systemLayouts.push_back(layoutColumns(table.columns, true));

  uint32_t nextPage = kFirstUserPage;
  std::vector<UserTablePlan> plans = planUserTables(tables, nextPage);
  const uint32_t pageCount = nextPage;

  // Catalog and permission rows, each table on its one data page.
  std::vector<UserTableEntry> entries;
  for (const UserTablePlan& plan : plans) entries.push_back({plan.table->name, plan.tdefPage});
  std::vector<CatalogObject> objects = catalogObjects(entries);
  std::vector<Bytes> catalogRows, permissionRowBytes;
  std::vector<LeafEntry> byParentAndName, byId, byObject;
  for (const CatalogObject& object : objects) {
    uint8_t row = static_cast<uint8_t>(catalogRows.size());
    catalogRows.push_back(encodeRow(systemLayouts[kCatalogTable], catalogRow(object, creationDate)));
    Bytes nameKey = longKey(object.parentId);
    appendBytes(nameKey, textKey(object.name));
    byParentAndName.push_back({nameKey, kCatalogDataPage, row});
    byId.push_back({longKey(object.id), kCatalogDataPage, row});
    for (const Row& permission : permissionRows(object)) {
      byObject.push_back({longKey(object.id), kPermissionDataPage, static_cast<uint8_t>(permissionRowBytes.size())});
      permissionRowBytes.push_back(encodeRow(systemLayouts[kPermissionTable], permission));
    }
  }
  const std::vector<std::vector<LeafEntry>> leafEntries[] = {{byParentAndName, byId}, {byObject}, {{}}, {{}, {}, {}}};

  FileImage file;
  file.put(0, headerPage(creationDate));
  file.put(kCatalogDataPage, singleDataPage(kFirstSystemTablePage, catalogRows, "catalog"));
  file.put(kPermissionDataPage, singleDataPage(kFirstSystemTablePage + 1, permissionRowBytes, "permission"));

  MapRows maps;
  uint32_t leafPage = kFirstLeafPage;
  for (size_t t = 0; t < system.size(); ++t) {
    const uint32_t tdef = kFirstSystemTablePage + static_cast<uint32_t>(t);
    std::vector<uint32_t> dataPages;
    if (t == kCatalogTable) dataPages = {kCatalogDataPage};
    if (t == kPermissionTable) dataPages = {kPermissionDataPage};
    TableDefinition definition;
    definition.layout = &systemLayouts[t];
    definition.systemTable = true;
    definition.rowCount = static_cast<uint32_t>(t == kCatalogTable      ? catalogRows.size()
                                                : t == kPermissionTable ? permissionRowBytes.size()
                                                                        : 0);
    definition.ownedPointer = maps.add(inlineMapRow(dataPages));
    definition.freePointer = maps.add(inlineMapRow(dataPages));
    for (const ColumnPlacement& place : systemLayouts[t].places) {
      if (!isLongValueType(systemLayouts[t].columns[place.number].type)) continue;
      uint32_t owned = maps.add(inlineMapRow({}));  // long values are kept inside the rows
      definition.longValueMaps.push_back({place.number, owned, maps.add(inlineMapRow({}))});
    }
    for (size_t i = 0; i < system[t].indexes.size(); ++i) {
      const std::vector<LeafEntry>& leaf = leafEntries[t][i];
      file.put(leafPage, jet4::leafPage(tdef, leaf));
      definition.indexes.push_back({system[t].indexes[i], maps.add(inlineMapRow({leafPage})), leafPage,
                                    static_cast<uint32_t>(leaf.size())});
      ++leafPage;
    }
    file.put(tdef, tdefPage(definition));
  }
  if (leafPage != kCatalogDataPage) throw std::logic_error("system index leaves out of place");

  for (UserTablePlan& plan : plans) {
    TableDefinition definition;
    definition.layout = &plan.layout;
    definition.rowCount = static_cast<uint32_t>(plan.table->rows.size());
    if (plan.bitmapPageCount == 0) {
      definition.ownedPointer = maps.add(inlineMapRow(plan.dataPages));
    } else {
      ReferenceMap owned = referenceMap(plan.dataPages, plan.firstBitmapPage);
      definition.ownedPointer = maps.add(owned.row);
      for (size_t i = 0; i < owned.bitmapPages.size(); ++i)
        file.put(plan.firstBitmapPage + static_cast<uint32_t>(i), owned.bitmapPages[i]);
    }
    // New rows would go to the last page, the only one with room to spare.
    std::vector<uint32_t> roomy;
    if (!plan.dataPages.empty()) roomy.push_back(plan.dataPages.back());
    definition.freePointer = maps.add(inlineMapRow(roomy));
    file.put(plan.tdefPage, tdefPage(definition));
    for (size_t i = 0; i < plan.dataPages.size(); ++i) file.put(plan.dataPages[i], dataPage(plan.tdefPage, plan.pageRows[i]));
  }
  file.put(kMapRowPage, singleDataPage(0, maps.rows, "usage-map"));
  // Row 1 of the global map page is an all-zero map in every engine-made file.
  file.put(kGlobalMapPage, dataPage(kGlobalMapPage, {globalMapRow(pageCount), Bytes(kMapRowSize, 0)}));
  return file.assemble(pageCount);
}

}  // namespace jet4
