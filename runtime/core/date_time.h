// Date-times: a day number counted from 1899-12-30 00:00 whose fraction is
// the time of day. A negative day number keeps a positive time of day
// (-1.25 is 1899-12-29 06:00). No platform headers.
#pragma once

namespace lp {

// The day numbers of 0100-01-01 and 9999-12-31.
constexpr double kFirstDayNumber = -657434.0;
constexpr double kLastDayNumber = 2958465.0;

struct DateTimeParts {
  int year;
  int month;   // 1..12
  int day;     // 1..31
  int hour;    // 0..23
  int minute;  // 0..59
  int second;  // 0..59
};

// Splits a day number, first clamped to the range above, into its parts;
// the time of day is rounded to the nearest second.
DateTimeParts splitDateTime(double dayNumber);

// Builds a day number from parts, bringing each part into its range instead
// of failing: a part below its range takes the lower bound, one above the
// upper bound; the day is then cut to the length of its month.
double makeDateTime(const DateTimeParts& parts);

}  // namespace lp
