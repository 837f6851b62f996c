#include "tools/mkdb/scripture_tables.h"

namespace mkdb {

using jet4::Cell;

jet4::Table verseTable(const std::vector<VerseLine>& verses) {
  jet4::Table table{u"sj",
                    {jet4::longColumn(u"xuhao"), jet4::textColumn(u"juan", 50), jet4::longColumn(u"zhang"),
                     jet4::longColumn(u"jie"), jet4::textColumn(u"jingwen", 255)},
                    {}};
  table.rows.reserve(verses.size());
  int64_t sequence = 0;
  for (const VerseLine& v : verses)
    table.rows.push_back({Cell::of(++sequence), Cell::ofText(v.book), Cell::of(v.chapter), Cell::of(v.verse),
                          Cell::ofText(v.text)});
  return table;
}

jet4::Table pinyinTable(const std::vector<PinyinKey>& keys) {
  jet4::Table table{u"word", {jet4::textColumn(u"pingyin", 50), jet4::textColumn(u"guanjianzi", 50)}, {}};
  for (const PinyinKey& key : keys) table.rows.push_back({Cell::ofText(key.pinyin), Cell::ofText(key.book)});
  return table;
}

}  // namespace mkdb
