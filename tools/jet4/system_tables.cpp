#include "tools/jet4/system_tables.h"

#include "tools/jet4/property_blob.h"

namespace jet4 {
namespace {

constexpr uint8_t kOwnerFlag = 0x20;
constexpr uint16_t kSystemTextLength = 510;
constexpr uint32_t kEngineObject = 0x80000000u;
constexpr int64_t kFullAccess = 1048575;

Column col(std::u16string name, ColumnType type, uint16_t length = 0, uint8_t extra = 0) {
  return Column{std::move(name), type, length, extra};
}

std::vector<SystemTable> buildSystemTables() {
  using T = ColumnType;
  const uint16_t L = kSystemTextLength;
  SystemTable objects{u"MSysObjects",
                      {col(u"Id", T::LongInteger), col(u"ParentId", T::LongInteger), col(u"Name", T::Text, L),
                       col(u"Type", T::Integer), col(u"DateCreate", T::DateTime), col(u"DateUpdate", T::DateTime),
                       col(u"Owner", T::Binary, L, kOwnerFlag), col(u"Flags", T::LongInteger),
                       col(u"Database", T::Memo), col(u"Connect", T::Memo), col(u"ForeignName", T::Text, L),
                       col(u"RmtInfoShort", T::Binary, L), col(u"RmtInfoLong", T::Ole), col(u"Lv", T::Ole),
                       col(u"LvProp", T::Ole), col(u"LvModule", T::Ole), col(u"LvExtra", T::Ole)},
                      {Index{u"ParentIdName", {1, 2}, 0x81, false}, Index{u"Id", {0}, 0x81, true}}};
  SystemTable aces{u"MSysACEs",
                   {col(u"ObjectId", T::LongInteger), col(u"SID", T::Binary, L, kOwnerFlag),
                    col(u"ACM", T::LongInteger), col(u"FInheritable", T::Boolean)},
                   {Index{u"ObjectId", {0}, 0x88, false}}};
  SystemTable queries{u"MSysQueries",
                      {col(u"ObjectId", T::LongInteger), col(u"Attribute", T::Byte), col(u"Order", T::Binary, L),
                       col(u"Name1", T::Text, L), col(u"Name2", T::Text, L), col(u"Expression", T::Memo),
                       col(u"Flag", T::Integer), col(u"LvExtra", T::LongInteger)},
                      {Index{u"ObjectIdAttribute", {0, 1, 2}, 0x81, true}}};
  SystemTable relationships{
      u"MSysRelationships",
      {col(u"szRelationship", T::Text, L), col(u"grbit", T::LongInteger), col(u"ccolumn", T::LongInteger),
       col(u"icolumn", T::LongInteger), col(u"szObject", T::Text, L), col(u"szColumn", T::Text, L),
       col(u"szReferencedObject", T::Text, L), col(u"szReferencedColumn", T::Text, L)},
      {Index{u"szRelationship", {0}, 0x82, false}, Index{u"szObject", {4}, 0x82, false},
       Index{u"szReferencedObject", {6}, 0x82, false}}};
  return {objects, aces, queries, relationships};
}

// Owner and permission identifiers the engine uses for its own objects.
const Bytes kEngineOwner{0xA7, 0x31};
const Bytes kAdminOwner{0xA6, 0x33};
const Bytes kUsersGroup{0xA7, 0x33};
const Bytes kGuestsGroup{0xA7, 0x36};

Bytes databaseProperties() {
  return propertyBlob({textProperty(u"AccessVersion", u"08.50"), longProperty(u"Build", 6620)});
}

}  // namespace

const std::vector<SystemTable>& systemTables() {
  static const std::vector<SystemTable> tables = buildSystemTables();
  return tables;
}

std::vector<CatalogObject> catalogObjects(const std::vector<UserTableEntry>& userTables) {
  std::vector<CatalogObject> objects;
  auto container = [&](uint32_t id, std::u16string name) {
    objects.push_back({id, kRootContainer, std::move(name), 3, kEngineObject, kEngineOwner, {}, true});
  };
  container(kTablesContainer, u"Tables");
  container(kDatabasesContainer, u"Databases");
  container(kRelationshipsContainer, u"Relationships");
  objects.push_back(
      {kDatabaseObject, kDatabasesContainer, u"MSysDb", 2, kEngineObject, kAdminOwner, databaseProperties(), false});
  uint32_t page = kFirstSystemTablePage;
  for (const SystemTable& table : systemTables())
    objects.push_back({page++, kTablesContainer, table.name, 1, kEngineObject, kEngineOwner, {}, false});
  for (const UserTableEntry& table : userTables)
    objects.push_back({table.tdefPage, kTablesContainer, table.name, 1, 0, kAdminOwner, {}, false});
  return objects;
}

Row catalogRow(const CatalogObject& object, double date) {
  Row row(systemTables()[0].columns.size());
  row[0] = Cell::of(object.id);
  row[1] = Cell::of(object.parentId);
  row[2] = Cell::ofText(object.name);
  row[3] = Cell::of(object.type);
  row[4] = Cell::ofReal(date);
  row[5] = Cell::ofReal(date);
  row[6] = Cell::ofBytes(object.owner);
  row[7] = Cell::of(object.flags);
  if (!object.properties.empty()) row[14] = Cell::ofBytes(object.properties);
  return row;
}

std::vector<Row> permissionRows(const CatalogObject& object) {
  std::vector<Row> rows;
  for (const Bytes& sid : {kAdminOwner, kUsersGroup, kGuestsGroup})
    rows.push_back({Cell::of(object.id), Cell::ofBytes(sid), Cell::of(kFullAccess), Cell::of(object.container ? 1 : 0)});
  return rows;
}

}  // namespace jet4
