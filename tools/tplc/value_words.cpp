#include "tools/tplc/value_words.h"

#include <cerrno>
#include <cstdlib>

#include "runtime/components/colours.h"
#include "runtime/components/font_record.h"
#include "runtime/extended/report_list_records.h"
#include "tools/tplc/gbk_text.h"

namespace tplc {
namespace {

bool readNumber(const std::string& word, long long min, long long max, long long& value) {
  if (word.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(word.c_str(), &end, 0);
  return errno == 0 && *end == '\0' && value >= min && value <= max;
}

bool byteMember(long long value, uint8_t& member) {
  if (value < 0 || value > 255) return false;
  member = static_cast<uint8_t>(value);
  return true;
}

bool setFontMember(lp::FontRecord& font, const std::string& name, long long value) {
  if (name == "height") return (font.height = static_cast<int32_t>(value)), true;
  if (name == "width") return (font.width = static_cast<int32_t>(value)), true;
  if (name == "escapement") return (font.escapement = static_cast<int32_t>(value)), true;
  if (name == "orientation") return (font.orientation = static_cast<int32_t>(value)), true;
  if (name == "weight") return (font.weight = static_cast<int32_t>(value)), true;
  if (name == "italic") return byteMember(value, font.italic);
  if (name == "underline") return byteMember(value, font.underline);
  if (name == "strikeout") return byteMember(value, font.strikeOut);
  if (name == "charset") return byteMember(value, font.charSet);
  if (name == "precision") return byteMember(value, font.outPrecision);
  if (name == "clip") return byteMember(value, font.clipPrecision);
  if (name == "quality") return byteMember(value, font.quality);
  if (name == "pitch") return byteMember(value, font.pitchAndFamily);
  return false;
}

bool readAlignment(const std::string& word, int32_t& alignment) {
  if (word == "left") return (alignment = 0), true;
  if (word == "centre") return (alignment = 1), true;
  if (word == "right") return (alignment = 2), true;
  return false;
}

}  // namespace

bool readInteger(const std::string& word, int32_t& value, std::string& error) {
  long long number = 0;
  if (!readNumber(word, INT32_MIN, INT32_MAX, number)) {
    error = "'" + word + "' is not a 32-bit integer";
    return false;
  }
  value = static_cast<int32_t>(number);
  return true;
}

bool readWord(const std::string& word, uint32_t& value, std::string& error) {
  long long number = 0;
  if (!readNumber(word, 0, UINT32_MAX, number)) {
    error = "'" + word + "' is not a 32-bit word";
    return false;
  }
  value = static_cast<uint32_t>(number);
  return true;
}

bool readLogical(const std::string& word, bool& value, std::string& error) {
  if (word == "true" || word == "false") {
    value = word == "true";
    return true;
  }
  error = "'" + word + "' is not a logical (true or false)";
  return false;
}

bool readColour(const std::string& word, uint32_t& value, std::string& error) {
  if (word == "ClrDefault") {
    value = lp::kClrDefault;
    return true;
  }
  long long number = 0;
  if (!readNumber(word, 0, 0xFFFFFF, number)) {
    error = "'" + word + "' is not a colour (0x00BBGGRR or ClrDefault)";
    return false;
  }
  value = static_cast<uint32_t>(number);
  return true;
}

bool readText(const std::string& word, std::string& gbk, std::string& error) {
  if (!utf8ToGbk(word, gbk)) {
    error = "'" + word + "' cannot be stored as GBK text";
    return false;
  }
  return true;
}

bool readFont(const Words& words, std::vector<uint8_t>& record, std::string& error) {
  if (words.empty()) {
    error = "a font needs a face name";
    return false;
  }
  lp::FontRecord font;
  std::string face;
  if (!readText(words[0], face, error)) return false;
  if (face.size() >= lp::kFaceNameSize) {
    error = "the face name '" + words[0] + "' is longer than 31 bytes";
    return false;
  }
  lp::setFaceName(font, face);
  for (size_t i = 1; i < words.size(); ++i) {
    size_t equals = words[i].find('=');
    long long value = 0;
    if (equals == std::string::npos ||
        !readNumber(words[i].substr(equals + 1), INT32_MIN, INT32_MAX, value) ||
        !setFontMember(font, words[i].substr(0, equals), value)) {
      error = "'" + words[i] + "' is not a font member (name=value)";
      return false;
    }
  }
  record = lp::encodeFont(font);
  return true;
}

bool readColumns(const Words& words, std::vector<uint8_t>& data, std::string& error) {
  std::vector<lp::ReportColumn> columns;
  for (const std::string& word : words) {
    lp::ReportColumn column;
    size_t first = word.find(':');
    size_t second = first == std::string::npos ? first : word.find(':', first + 1);
    std::string width = word.substr(first == std::string::npos ? word.size() : first + 1,
                                    second == std::string::npos ? std::string::npos : second - first - 1);
    bool ok = first != std::string::npos && readText(word.substr(0, first), column.heading, error) &&
              readInteger(width, column.width, error) &&
              (second == std::string::npos || readAlignment(word.substr(second + 1), column.alignment));
    if (!ok) {
      error = "'" + word + "' is not a column (heading:width or heading:width:left|centre|right)";
      return false;
    }
    columns.push_back(column);
  }
  data = lp::encodeColumns(columns);
  return true;
}

}  // namespace tplc
