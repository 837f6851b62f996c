#include "tools/jet4/tdef_page.h"

#include "tools/jet4/page_size.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace jet4 {
namespace {

constexpr uint32_t kColumnMagic = 1625;
constexpr uint32_t kRealIndexMagic = 1923;
constexpr uint16_t kGeneralSortOrder = 0x0409;
constexpr uint8_t kUserTable = 0x4E;
constexpr uint8_t kSystemTable = 0x53;

std::u16string folded(const std::u16string& name) {
  std::u16string out = name;
  for (char16_t& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return out;
}

// Positions 0..n-1, sorted by name (case folded) when asked to.
template <typename NameOf>
std::vector<size_t> blockOrder(size_t count, bool byName, NameOf nameOf) {
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), 0);
  if (byName)
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return folded(nameOf(a)) < folded(nameOf(b)); });
  return order;
}

void appendName(Bytes& out, const std::u16string& name) {
  appendU16(out, static_cast<uint32_t>(name.size() * 2));
  appendUcs2(out, name);
}

void appendColumnBlock(Bytes& out, const Column& column, const ColumnPlacement& place) {
  appendU8(out, static_cast<uint8_t>(column.type));
  appendU32(out, kColumnMagic);
  appendU16(out, place.number);
  appendU16(out, place.varIndex);
  appendU16(out, place.number);
  appendU16(out, kGeneralSortOrder);
  appendU16(out, 0);
  appendU8(out, place.flags);
  appendU8(out, 0);  // text is stored uncompressed
  appendU32(out, 0);
  appendU16(out, place.fixed ? place.fixedOffset : 0);
  appendU16(out, place.byteLength);
}

void appendRealIndex(Bytes& out, const IndexPlacement& placement) {
  const Index& index = placement.index;
  if (index.columns.empty() || index.columns.size() > 10) throw std::invalid_argument("an index has 1 to 10 columns");
  appendU32(out, kRealIndexMagic);
  for (size_t slot = 0; slot < 10; ++slot) {
    if (slot < index.columns.size()) {
      appendU16(out, index.columns[slot]);
      appendU8(out, 1);  // ascending
    } else {
      appendU16(out, 0xFFFF);
      appendU8(out, 0);
    }
  }
  appendU32(out, placement.mapPointer);
  appendU32(out, placement.rootPage);
  appendU32(out, 0);
  appendU8(out, index.flags);
  appendZeros(out, 5);
}

void appendLogicalIndex(Bytes& out, uint32_t number, bool primaryKey) {
  appendU32(out, kColumnMagic);
  appendU32(out, number);
  appendU32(out, number);  // each logical index has its own real index
  appendU8(out, 0);
  appendU32(out, 0xFFFFFFFFu);  // no related index
  appendU32(out, 0);
  // The two bytes the engine-made system tables carry here (cascade fields of
  // relationships; meaningless without one).
  appendU8(out, 0x04);
  appendU8(out, 0x04);
  appendU8(out, primaryKey ? 1 : 0);
  appendU32(out, 0);
}

}  // namespace

Bytes tdefPage(const TableDefinition& definition) {
  const TableLayout& layout = *definition.layout;
  const bool byName = definition.systemTable;
  const auto& indexes = definition.indexes;

  Bytes out;
  appendU8(out, 0x02);
  appendU8(out, 0x01);
  appendU16(out, 0);  // free space, set below
  appendU32(out, 0);  // no continuation page
  appendU32(out, 0);  // length, set below
  appendU32(out, kColumnMagic);
  appendU32(out, definition.rowCount);
  appendU32(out, 0);  // next autonumber
  appendU8(out, 1);
  appendZeros(out, 15);
  appendU8(out, definition.systemTable ? kSystemTable : kUserTable);
  appendU16(out, static_cast<uint32_t>(layout.columns.size()));
  appendU16(out, layout.variableCount);
  appendU16(out, static_cast<uint32_t>(layout.columns.size()));
  appendU32(out, static_cast<uint32_t>(indexes.size()));
  appendU32(out, static_cast<uint32_t>(indexes.size()));
  appendU32(out, definition.ownedPointer);
  appendU32(out, definition.freePointer);
  for (const IndexPlacement& index : indexes) {
    appendU32(out, 0);
    appendU32(out, index.entryCount);
    appendU32(out, 0);
  }

  auto columnOrder =
      blockOrder(layout.columns.size(), byName, [&](size_t i) { return layout.columns[i].name; });
  for (size_t i : columnOrder) appendColumnBlock(out, layout.columns[i], layout.places[i]);
  for (size_t i : columnOrder) appendName(out, layout.columns[i].name);

  for (const IndexPlacement& index : indexes) appendRealIndex(out, index);
  auto indexOrder = blockOrder(indexes.size(), byName, [&](size_t i) { return indexes[i].index.name; });
  for (size_t i : indexOrder) appendLogicalIndex(out, static_cast<uint32_t>(i), indexes[i].index.primaryKey);
  for (size_t i : indexOrder) appendName(out, indexes[i].index.name);

  // Long-value map pointers, in the order the column blocks were written.
  for (size_t i : columnOrder) {
    if (!isLongValueType(layout.columns[i].type)) continue;
    auto maps = std::find_if(definition.longValueMaps.begin(), definition.longValueMaps.end(),
                             [&](const LongValueMaps& m) { return m.column == layout.places[i].number; });
    if (maps == definition.longValueMaps.end()) throw std::invalid_argument("long-value column without usage maps");
    appendU16(out, maps->column);
    appendU32(out, maps->ownedPointer);
    appendU32(out, maps->freePointer);
  }
  appendU16(out, 0xFFFF);

  if (out.size() + 8 > kPageSize) throw std::invalid_argument("table definition does not fit one page");
  putU32(out, 8, static_cast<uint32_t>(out.size()));
  putU16(out, 2, static_cast<uint32_t>(kPageSize - out.size() - 8));
  out.resize(kPageSize, 0);
  return out;
}

}  // namespace jet4
