// Civil dates from day numbers and back, on the proleptic Gregorian calendar.
#include "runtime/core/date_time.h"

#include <cmath>
#include <cstdint>

namespace lp {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to a civil date (era-based, exact for all years).
int64_t daysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, DateTimeParts& out) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  out.year = static_cast<int>(yoe + era * 400 + (m <= 2));
  out.month = m;
  out.day = d;
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int monthLength(int y, int m) {
  static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeapYear(y) ? 29 : lengths[m - 1];
}

int clampPart(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

}  // namespace

DateTimeParts splitDateTime(double dayNumber) {
  double v = dayNumber;
  if (std::isnan(v)) v = 0.0;
  if (v < kFirstDayNumber) v = kFirstDayNumber;
  if (v > kLastDayNumber) v = kLastDayNumber;

  double whole = std::trunc(v);
  int64_t day = static_cast<int64_t>(whole);
  // Rounded to the second so that 0.5 is exactly 12 o'clock and a time
  // just short of a whole second does not show one second early.
  int64_t seconds = static_cast<int64_t>(std::floor(std::fabs(v - whole) * kSecondsPerDay + 0.5));
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day;
  }

  DateTimeParts parts{};
  civilFromDays(kEpoch + day, parts);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

double makeDateTime(const DateTimeParts& parts) {
  const int year = clampPart(parts.year, 100, 9999);
  const int month = clampPart(parts.month, 1, 12);
  const int day = clampPart(clampPart(parts.day, 1, 31), 1, monthLength(year, month));
  const int hour = clampPart(parts.hour, 0, 23);
  const int minute = clampPart(parts.minute, 0, 59);
  const int second = clampPart(parts.second, 0, 59);

  const double dayNumber = static_cast<double>(daysFromCivil(year, month, day) - kEpoch);
  const double time = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
  return dayNumber < 0 ? dayNumber - time : dayNumber + time;
}

}  // namespace lp
