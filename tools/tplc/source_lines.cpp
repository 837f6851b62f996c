#include "tools/tplc/source_lines.h"

#include <fstream>
#include <sstream>

namespace tplc {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits one physical line into words, up to a "#" that starts a word;
// sets continues when it ends in a backslash outside quotes.
bool splitWords(const std::string& line, std::vector<std::string>& words, bool& continues) {
  continues = false;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at == line.size() || line[at] == '#') break;
    if (line[at] == '\\' && line.find_first_not_of(" \t\r", at + 1) == std::string::npos) {
      continues = true;
      break;
    }
    std::string word;
    if (line[at] == '"') {
      ++at;
      for (;;) {
        if (at == line.size()) return false;
        char c = line[at++];
        if (c == '"') break;
        if (c == '\\' && at < line.size() && (line[at] == '"' || line[at] == '\\')) c = line[at++];
        word += c;
      }
    } else {
      while (at < line.size() && !isBlank(line[at])) word += line[at++];
    }
    words.push_back(word);
  }
  return true;
}

}  // namespace

bool splitSourceLines(const std::string& text, std::vector<SourceLine>& lines, std::string& error) {
  lines.clear();
  std::istringstream in(text);
  std::string line;
  int number = 0;
  bool continuing = false;
  while (std::getline(in, line)) {
    ++number;
    size_t first = line.find_first_not_of(" \t\r");
    if (!continuing && (first == std::string::npos || line[first] == '#')) continue;
    if (!continuing) lines.push_back(SourceLine{number, {}});
    if (!splitWords(line, lines.back().words, continuing)) {
      error = "line " + std::to_string(number) + ": a quoted text is not closed";
      return false;
    }
    if (!continuing && lines.back().words.empty()) lines.pop_back();
  }
  if (!lines.empty() && lines.back().words.empty()) lines.pop_back();
  return true;
}

bool readTextFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return true;
}

}  // namespace tplc
