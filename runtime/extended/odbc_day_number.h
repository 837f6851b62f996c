// Date-time fields: an ODBC timestamp as the runtime's day number (days since
// 30 December 1899, the fraction being the time of day) and as text.
// Portable, no platform headers.
#pragma once
#include <cstdint>
#include <string>

namespace lp {

// The fields of an ODBC timestamp, in the same order and widths.
struct TimestampParts {
  int16_t year;
  uint16_t month;
  uint16_t day;
  uint16_t hour;
  uint16_t minute;
  uint16_t second;
  uint32_t fraction;  // billionths of a second
};

constexpr double kFirstDayNumber = -657434.0;  // 1 January 100
constexpr double kLastDayNumber = 2958465.0;   // 31 December 9999

// Before 30 December 1899 the time of day still counts away from zero
// (-1.25 is 29 December 1899, 06:00). Clamped to the two limits above.
double dayNumberOfTimestamp(const TimestampParts& t);

// "YYYY-MM-DD hh:mm:ss", the form drivers give when a timestamp is read as text.
std::string timestampText(const TimestampParts& t);

}  // namespace lp
