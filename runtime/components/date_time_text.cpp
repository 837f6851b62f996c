#include "runtime/components/date_time_text.h"

#include <cstdint>

#include "runtime/core/date_time.h"

namespace lp {
namespace {

// The GBK characters of the written forms.
constexpr std::string_view kYear = "\xC4\xEA";    // 年
constexpr std::string_view kMonth = "\xD4\xC2";   // 月
constexpr std::string_view kDay = "\xC8\xD5";     // 日
constexpr std::string_view kHour = "\xCA\xB1";    // 时
constexpr std::string_view kMinute = "\xB7\xD6";  // 分
constexpr std::string_view kSecond = "\xC3\xEB";  // 秒

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  void skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool atEnd() const { return pos_ == text_.size(); }

  // One to four digits.
  bool number(int* out) {
    size_t start = pos_;
    int value = 0;
    while (pos_ < text_.size() && pos_ - start < 4 && text_[pos_] >= '0' && text_[pos_] <= '9')
      value = value * 10 + (text_[pos_++] - '0');
    *out = value;
    return pos_ > start;
  }

  bool take(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool takeAnyOf(std::string_view characters, char* which) {
    if (pos_ >= text_.size() || characters.find(text_[pos_]) == std::string_view::npos) return false;
    *which = text_[pos_++];
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

bool readDate(Cursor& in, DateTimeParts& parts) {
  if (!in.number(&parts.year)) return false;
  char separator = 0;
  if (in.take(kYear)) {
    if (!in.number(&parts.month) || !in.take(kMonth) || !in.number(&parts.day)) return false;
    in.take(kDay);
    return true;
  }
  if (!in.takeAnyOf("-/.", &separator) || !in.number(&parts.month)) return false;
  char second = 0;
  return in.takeAnyOf("-/.", &second) && second == separator && in.number(&parts.day);
}

// After the date: nothing, or a time in either form.
bool readTime(Cursor& in, DateTimeParts& parts) {
  in.skipBlanks();
  if (in.atEnd()) return true;
  if (!in.number(&parts.hour)) return false;
  if (in.take(kHour)) {
    if (in.number(&parts.minute)) {
      if (!in.take(kMinute)) return false;
      if (in.number(&parts.second) && !in.take(kSecond)) return false;
    }
    return true;
  }
  char colon = 0;
  if (!in.takeAnyOf(":", &colon) || !in.number(&parts.minute)) return false;
  if (in.takeAnyOf(":", &colon) && !in.number(&parts.second)) return false;
  return true;
}

bool inRange(const DateTimeParts& p) {
  return p.year >= 100 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= 31 &&
         p.hour <= 23 && p.minute <= 59 && p.second <= 59;
}

}  // namespace

bool parseDateTimeText(std::string_view text, double* dayNumber) {
  Cursor in(text);
  DateTimeParts parts = {};
  in.skipBlanks();
  if (!readDate(in, parts) || !readTime(in, parts)) return false;
  in.skipBlanks();
  if (!in.atEnd() || !inRange(parts)) return false;
  // A day past the end of its month (30 February) is no date either.
  const double day = makeDateTime(parts);
  if (splitDateTime(day).day != parts.day) return false;
  *dayNumber = day;
  return true;
}

}  // namespace lp
