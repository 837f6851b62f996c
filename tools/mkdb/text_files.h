// The two text inputs of the database: verse lines and pinyin keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mkdb {

struct VerseLine {
  std::u16string book;
  int32_t chapter = 0;
  int32_t verse = 0;
  std::u16string text;
};

struct PinyinKey {
  std::u16string pinyin;
  std::u16string book;
};

// `book<TAB>chapter<TAB>verse<TAB>text` per line, after an optional header
// line starting with "book<TAB>". Throws std::runtime_error naming the file
// and line of the first malformed line.
std::vector<VerseLine> readVerses(const std::string& path);

// `pinyin<TAB>book` per line; the key is lower-case ASCII letters.
std::vector<PinyinKey> readPinyinKeys(const std::string& path);

}  // namespace mkdb
