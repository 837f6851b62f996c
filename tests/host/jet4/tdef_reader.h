// Reads a table definition page back, to compare ours with engine-made ones.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace jet4test {

struct ColumnInfo {
  std::string name;
  int type, number, varIndex, fixedOffset, length, flags;
  auto tie() const { return std::tie(name, type, number, varIndex, fixedOffset, length, flags); }
  bool operator==(const ColumnInfo& o) const { return tie() == o.tie(); }
  bool operator<(const ColumnInfo& o) const { return tie() < o.tie(); }
};

struct IndexInfo {
  std::string name;
  std::vector<int> columns;
  int flags;
  bool primaryKey;
  uint32_t mapPointer;
  uint32_t rootPage;
  auto tie() const { return std::tie(name, columns, flags, primaryKey); }
  bool operator==(const IndexInfo& o) const { return tie() == o.tie(); }
  bool operator<(const IndexInfo& o) const { return tie() < o.tie(); }
};

struct TableInfo {
  uint32_t length = 0;
  int tableType = 0;
  uint32_t rowCount = 0;
  uint32_t ownedMap = 0, freeMap = 0;
  std::vector<ColumnInfo> columns;  // sorted
  std::vector<IndexInfo> indexes;   // sorted
  std::vector<int> longValueColumns;
};

TableInfo readTdef(const std::vector<uint8_t>& file, uint32_t page);

}  // namespace jet4test
