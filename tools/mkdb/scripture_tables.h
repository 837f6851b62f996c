// The reader's two tables: [sj], one row per verse, and [word], the pinyin
// keys of the book names.
#pragma once

#include "tools/jet4/schema.h"
#include "tools/mkdb/text_files.h"

#include <vector>

namespace mkdb {

// sj(xuhao Long, juan Text(50), zhang Long, jie Long, jingwen Text(255));
// xuhao numbers the verses from 1 in the given order.
jet4::Table verseTable(const std::vector<VerseLine>& verses);

// word(pingyin Text(50), guanjianzi Text(50)), in the given order.
jet4::Table pinyinTable(const std::vector<PinyinKey>& keys);

}  // namespace mkdb
