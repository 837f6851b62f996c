#include <gtest/gtest.h>

#include "runtime/core/date_time.h"

namespace {

lp::DateTimeParts split(double d) { return lp::splitDateTime(d); }

void expectParts(const lp::DateTimeParts& p, int y, int mo, int d, int h, int mi, int s) {
  EXPECT_EQ(p.year, y);
  EXPECT_EQ(p.month, mo);
  EXPECT_EQ(p.day, d);
  EXPECT_EQ(p.hour, h);
  EXPECT_EQ(p.minute, mi);
  EXPECT_EQ(p.second, s);
}

TEST(SplitDateTime, EpochNoonAndKnownDays) {
  expectParts(split(0.0), 1899, 12, 30, 0, 0, 0);
  expectParts(split(0.5), 1899, 12, 30, 12, 0, 0);
  expectParts(split(1.0), 1899, 12, 31, 0, 0, 0);
  expectParts(split(60.0), 1900, 2, 28, 0, 0, 0);
  expectParts(split(36526.75), 2000, 1, 1, 18, 0, 0);
  expectParts(split(36585.0), 2000, 2, 29, 0, 0, 0);  // 2000 is a leap year
}

TEST(SplitDateTime, NegativeDayKeepsForwardTimeOfDay) {
  expectParts(split(-1.25), 1899, 12, 29, 6, 0, 0);
  expectParts(split(-1.0), 1899, 12, 29, 0, 0, 0);
}

TEST(SplitDateTime, TimeRoundsToNearestSecondWithCarry) {
  // 10:00:00 is not exact in binary; it must not show as 9:59:59.
  expectParts(split(10.0 / 24), 1899, 12, 30, 10, 0, 0);
  expectParts(split(1.0 - 0.1 / 86400), 1899, 12, 31, 0, 0, 0);
  expectParts(split(-1.0 - (1.0 - 0.1 / 86400)), 1899, 12, 30, 0, 0, 0);
}

TEST(SplitDateTime, ClampsToYears100To9999) {
  expectParts(split(lp::kFirstDayNumber), 100, 1, 1, 0, 0, 0);
  expectParts(split(lp::kLastDayNumber), 9999, 12, 31, 0, 0, 0);
  expectParts(split(-1e9), 100, 1, 1, 0, 0, 0);
  expectParts(split(1e9), 9999, 12, 31, 0, 0, 0);
  expectParts(split(lp::kLastDayNumber + 0.5), 9999, 12, 31, 0, 0, 0);
}

TEST(MakeDateTime, RoundTripsThroughSplit) {
  EXPECT_EQ(lp::makeDateTime({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_EQ(lp::makeDateTime({1899, 12, 30, 12, 0, 0}), 0.5);
  EXPECT_EQ(lp::makeDateTime({1899, 12, 29, 6, 0, 0}), -1.25);
  expectParts(split(lp::makeDateTime({2024, 5, 17, 13, 45, 59})), 2024, 5, 17, 13, 45, 59);
  expectParts(split(lp::makeDateTime({1066, 10, 14, 9, 30, 1})), 1066, 10, 14, 9, 30, 1);
}

TEST(MakeDateTime, PartsOutsideTheirRangeTakeTheNearestBound) {
  expectParts(split(lp::makeDateTime({50, 0, 0, -1, -1, -1})), 100, 1, 1, 0, 0, 0);
  EXPECT_EQ(lp::makeDateTime({12000, 13, 40, 24, 60, 60}), lp::kLastDayNumber + 86399.0 / 86400);
  expectParts(split(lp::makeDateTime({2000, 6, 15, 99, 99, 99})), 2000, 6, 15, 23, 59, 59);
}

TEST(MakeDateTime, DayIsCutToMonthLength) {
  expectParts(split(lp::makeDateTime({2023, 2, 31, 0, 0, 0})), 2023, 2, 28, 0, 0, 0);
  expectParts(split(lp::makeDateTime({2024, 2, 31, 0, 0, 0})), 2024, 2, 29, 0, 0, 0);
  expectParts(split(lp::makeDateTime({1900, 2, 29, 0, 0, 0})), 1900, 2, 28, 0, 0, 0);
  expectParts(split(lp::makeDateTime({2000, 2, 30, 0, 0, 0})), 2000, 2, 29, 0, 0, 0);
  expectParts(split(lp::makeDateTime({2023, 4, 31, 0, 0, 0})), 2023, 4, 30, 0, 0, 0);
}

}  // namespace
