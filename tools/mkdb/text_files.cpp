#include "tools/mkdb/text_files.h"

#include "tools/mkdb/utf8.h"

#include <fstream>
#include <stdexcept>

namespace mkdb {
namespace {

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

int32_t positiveNumber(const std::string& field) {
  if (field.empty() || field.size() > 6 || field.find_first_not_of("0123456789") != std::string::npos)
    throw std::invalid_argument("expected a positive whole number, got \"" + field + "\"");
  int32_t value = std::stoi(field);
  if (value < 1) throw std::invalid_argument("expected a positive whole number, got \"" + field + "\"");
  return value;
}

// Calls `take(fields)` for every non-empty line, turning its errors into
// messages that name the place.
template <typename Take>
void forEachLine(const std::string& path, Take take) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::string line;
  for (size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.size() >= 3 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    if (line.empty()) continue;
    try {
      take(number, splitTabs(line));
    } catch (const std::invalid_argument& e) {
      throw std::runtime_error(path + ":" + std::to_string(number) + ": " + e.what());
    }
  }
}

}  // namespace

std::vector<VerseLine> readVerses(const std::string& path) {
  std::vector<VerseLine> verses;
  forEachLine(path, [&](size_t number, const std::vector<std::string>& fields) {
    if (number == 1 && fields[0] == "book") return;
    if (fields.size() != 4) throw std::invalid_argument("expected 4 tab-separated fields");
    if (fields[0].empty() || fields[3].empty()) throw std::invalid_argument("empty book or text");
    verses.push_back({utf8ToUcs2(fields[0]), positiveNumber(fields[1]), positiveNumber(fields[2]), utf8ToUcs2(fields[3])});
  });
  if (verses.empty()) throw std::runtime_error(path + ": no verse lines");
  return verses;
}

std::vector<PinyinKey> readPinyinKeys(const std::string& path) {
  std::vector<PinyinKey> keys;
  forEachLine(path, [&](size_t, const std::vector<std::string>& fields) {
    if (fields.size() != 2) throw std::invalid_argument("expected pinyin<TAB>book");
    if (fields[0].empty() || fields[0].find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
      throw std::invalid_argument("pinyin must be lower-case letters a-z");
    if (fields[1].empty()) throw std::invalid_argument("empty book name");
    keys.push_back({utf8ToUcs2(fields[0]), utf8ToUcs2(fields[1])});
  });
  if (keys.empty()) throw std::runtime_error(path + ": no pinyin keys");
  return keys;
}

}  // namespace mkdb
