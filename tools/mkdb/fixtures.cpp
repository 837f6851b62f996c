#include "tools/mkdb/fixtures.h"

#include "tools/mkdb/scripture_tables.h"
#include "tools/mkdb/utf8.h"

#include <stdexcept>

namespace mkdb {
namespace {

struct VerseText {
  const char* book;
  int32_t chapter;
  int32_t verse;
  const char* text;
};

struct KeyText {
  const char* pinyin;
  const char* book;
};

// Keep in step with FIXTURES.md.
const VerseText kPassages[] = {
    {"创世记", 1, 1, "夹具：创世记一章一节，爱在这里。"},
    {"创世记", 1, 2, "夹具：创世记一章二节。"},
    {"创世记", 1, 3, "夹具：创世记一章三节，神与爱同在。"},
    {"创世记", 2, 1, "夹具：创世记二章一节。"},
    {"创世记", 2, 2, "夹具：创世记二章二节，爱。"},
    {"创世记", 2, 3, "夹具：创世记二章三节。"},
    {"创世记", 3, 1, "夹具：创世记三章一节，神。"},
    {"创世记", 3, 2, "夹具：创世记三章二节。"},
    {"创世记", 3, 3, "夹具：创世记三章三节。"},
    {"约翰福音", 3, 16, "夹具：约翰福音三章十六节，神爱世人。"},
    {"约翰福音", 3, 17, "夹具：约翰福音三章十七节。"},
    {"约翰 福音", 1, 1, "夹具：书名中间有一个空格。"},
    {"列王纪下", 6, 32,
     "夹具长句：这一行用来检查超过一百个字的经文在数据库里完整保存，并且能够在末尾被搜索到，并且能够在末尾被搜索到，"
     "并且能够在末尾被搜索到，并且能够在末尾被搜索到，并且能够在末尾被搜索到，并且能够在末尾被搜索到，"
     "并且能够在末尾被搜索到，最后四个字是尾标结束"},
    {"诗篇", 119, 176, "夹具：ASCII text with Mixed Case 123."},
};

const KeyText kPassageKeys[] = {
    {"chuangshiji", "创世记"}, {"csj", "创世记"},   {"yuehanfuyin", "约翰福音"},
    {"yhfy", "约翰福音"},      {"liewangjixia", "列王纪下"}, {"lwjx", "列王纪下"},
    {"shipian", "诗篇"},       {"sp", "诗篇"},
};

const KeyText kPinyinKeys[] = {
    {"yuehanfuyin", "约翰福音"}, {"yhfy", "约翰福音"}, {"yuehanyishu", "约翰一书"}, {"yhys", "约翰一书"},
    {"yuehanershu", "约翰二书"}, {"yhes", "约翰二书"}, {"yuehansanshu", "约翰三书"}, {"yhss", "约翰三书"},
    {"yueboji", "约伯记"},       {"ybj", "约伯记"},    {"chuangshiji", "创世记"},   {"csj", "创世记"},
    {"qishilu", "启示录"},       {"qsl", "启示录"},
};

template <size_t N>
std::vector<VerseLine> verses(const VerseText (&rows)[N]) {
  std::vector<VerseLine> out;
  for (const VerseText& r : rows) out.push_back({utf8ToUcs2(r.book), r.chapter, r.verse, utf8ToUcs2(r.text)});
  return out;
}

template <size_t N>
std::vector<PinyinKey> keys(const KeyText (&rows)[N]) {
  std::vector<PinyinKey> out;
  for (const KeyText& r : rows) out.push_back({utf8ToUcs2(r.pinyin), utf8ToUcs2(r.book)});
  return out;
}

}  // namespace

std::vector<std::string> fixtureNames() { return {"passages", "pinyin"}; }

std::vector<jet4::Table> fixtureTables(const std::string& name) {
  if (name == "passages") return {verseTable(verses(kPassages)), pinyinTable(keys(kPassageKeys))};
  if (name == "pinyin") return {verseTable({}), pinyinTable(keys(kPinyinKeys))};
  throw std::invalid_argument("unknown fixture \"" + name + "\"");
}

}  // namespace mkdb
