#include "tests/host/jet4/tdef_reader.h"

#include <algorithm>
#include <stdexcept>

namespace jet4test {
namespace {

struct Cursor {
  const uint8_t* page;
  size_t at;
  uint32_t u8() { return page[at++]; }
  uint32_t u16() { uint32_t v = page[at] | page[at + 1] << 8; at += 2; return v; }
  uint32_t u32() { uint32_t v = u16(); return v | u16() << 16; }
  std::string name() {
    size_t bytes = u16();
    std::string out;  // the system names are ASCII
    for (size_t i = 0; i < bytes; i += 2) out += static_cast<char>(page[at + i]);
    at += bytes;
    return out;
  }
};

}  // namespace

TableInfo readTdef(const std::vector<uint8_t>& file, uint32_t page) {
  const uint8_t* p = &file.at(static_cast<size_t>(page) * 4096);
  if (p[0] != 0x02) throw std::runtime_error("not a table definition page");
  Cursor c{p, 8};
  TableInfo t;
  t.length = c.u32();
  c.at = 0x10;
  t.rowCount = c.u32();
  c.at = 0x28;
  t.tableType = c.u8();
  c.u16();
  c.u16();
  int columns = c.u16();
  int logical = c.u32();
  int real = c.u32();
  t.ownedMap = c.u32();
  t.freeMap = c.u32();
  c.at += 12 * real;
  for (int i = 0; i < columns; ++i) {
    ColumnInfo col;
    col.type = c.u8();
    c.u32();
    col.number = c.u16();
    col.varIndex = c.u16();
    c.u16();
    c.u16();
    c.u16();
    col.flags = c.u8();
    c.u8();
    c.u32();
    col.fixedOffset = c.u16();
    col.length = c.u16();
    if (!(col.flags & 0x01)) col.fixedOffset = 0;  // meaningless for variable columns
    if (col.type == 0x0B || col.type == 0x0C) t.longValueColumns.push_back(col.number);
    t.columns.push_back(col);
  }
  for (ColumnInfo& col : t.columns) col.name = c.name();
  std::vector<IndexInfo> reals(real);
  for (IndexInfo& index : reals) {
    c.u32();
    for (int slot = 0; slot < 10; ++slot) {
      int column = c.u16();
      c.u8();
      if (column != 0xFFFF) index.columns.push_back(column);
    }
    index.mapPointer = c.u32();
    index.rootPage = c.u32();
    c.u32();
    index.flags = c.u8();
    c.at += 5;
  }
  std::vector<std::pair<int, bool>> logicals;
  for (int i = 0; i < logical; ++i) {
    size_t start = c.at;
    c.u32();
    c.u32();
    int realNumber = c.u32();
    c.at = start + 23;
    logicals.push_back({realNumber, c.u8() == 1});
    c.at = start + 28;
  }
  for (auto& [realNumber, primary] : logicals) {
    IndexInfo index = reals.at(realNumber);
    index.name = c.name();
    index.primaryKey = primary;
    t.indexes.push_back(index);
  }
  std::sort(t.columns.begin(), t.columns.end());
  std::sort(t.indexes.begin(), t.indexes.end());
  std::sort(t.longValueColumns.begin(), t.longValueColumns.end());
  return t;
}

}  // namespace jet4test
