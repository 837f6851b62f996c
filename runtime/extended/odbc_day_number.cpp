#include "runtime/extended/odbc_day_number.h"

#include <cstdio>

namespace lp {

// Days from 1 January 1970 of a proleptic Gregorian date; months and days
// out of range roll over as they would in a calendar.
static int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
  y += (m - 1) / 12;
  m = (m - 1) % 12 + 1;
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

double dayNumberOfTimestamp(const TimestampParts& t) {
  const int64_t epoch = daysFromCivil(1899, 12, 30);
  int64_t month = t.month == 0 ? 1 : t.month;
  int64_t day = t.day == 0 ? 1 : t.day;
  double days = static_cast<double>(daysFromCivil(t.year, month, day) - epoch);
  double time = (t.hour * 3600.0 + t.minute * 60.0 + t.second + t.fraction / 1e9) / 86400.0;
  double value = days < 0 ? days - time : days + time;
  if (value < kFirstDayNumber) return kFirstDayNumber;
  if (value > kLastDayNumber) return kLastDayNumber;
  return value;
}

std::string timestampText(const TimestampParts& t) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02u:%02u:%02u", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

}  // namespace lp
