#include "tools/tplc/handler_list.h"

#include <cctype>

#include "tools/tplc/source_lines.h"

namespace tplc {
namespace {

bool isIdentifier(const std::string& name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

}  // namespace

int32_t HandlerList::offsetOf(const std::string& name) const {
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<int32_t>(i) * kHandlerSlotSize;
  return kNoHandler;
}

bool parseHandlerList(const std::string& text, HandlerList& list, std::string& error) {
  std::vector<SourceLine> lines;
  if (!splitSourceLines(text, lines, error)) return false;
  list.names.clear();
  for (const SourceLine& line : lines) {
    const std::string where = "line " + std::to_string(line.number) + ": ";
    if (line.words.size() != 1 || !isIdentifier(line.words[0])) {
      error = where + "expected one handler name (a C identifier)";
      return false;
    }
    if (list.offsetOf(line.words[0]) != kNoHandler) {
      error = where + "handler " + line.words[0] + " is listed twice";
      return false;
    }
    list.names.push_back(line.words[0]);
  }
  return true;
}

}  // namespace tplc
