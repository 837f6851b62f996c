// Reading a date-time typed as text: the date as year, month and day joined
// by "-", "/" or "." or written with 年 月 日, optionally followed by the time
// as hours, minutes and seconds joined by ":" or written with 时 分 秒.
// Texts are GBK. No platform headers.
#pragma once
#include <string_view>

namespace lp {

// The day number of the text, or false when it is no date-time (also when a
// part lies outside its range, such as month 13 or minute 60).
bool parseDateTimeText(std::string_view text, double* dayNumber);

}  // namespace lp
