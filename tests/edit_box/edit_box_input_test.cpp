// The rules of the input modes and the automatic adjuster, without a window.
#include <gtest/gtest.h>

#include "runtime/components/date_time_text.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/edit_box_input.h"

namespace {

using lp::EditBoxData;
using lp::normalisedInput;

TEST(EditBoxInput, FilterLetsThroughWhatEachModeHolds) {
  for (uint32_t c : {'0', '9'}) {
    for (int32_t mode = 0; mode <= 11; ++mode) EXPECT_TRUE(lp::inputModeAccepts(mode, c)) << mode;
  }
  EXPECT_FALSE(lp::inputModeAccepts(EditBoxData::kByteInput, '-'));
  EXPECT_FALSE(lp::inputModeAccepts(EditBoxData::kIntegerTextInput, '.'));
  EXPECT_TRUE(lp::inputModeAccepts(EditBoxData::kIntegerTextInput, '-'));
  EXPECT_TRUE(lp::inputModeAccepts(EditBoxData::kDecimalTextInput, '.'));
  EXPECT_TRUE(lp::inputModeAccepts(EditBoxData::kDoubleInput, '.'));
  EXPECT_FALSE(lp::inputModeAccepts(EditBoxData::kLongInput, 'a'));
  EXPECT_FALSE(lp::inputModeAccepts(EditBoxData::kFloatInput, ' '));
  // Backspace and control characters always pass; the other modes take all.
  EXPECT_TRUE(lp::inputModeAccepts(EditBoxData::kByteInput, 8));
  EXPECT_TRUE(lp::inputModeAccepts(EditBoxData::kNormalInput, 'a'));
  EXPECT_TRUE(lp::inputModeAccepts(EditBoxData::kDateTimeInput, 0x5E74));
}

TEST(EditBoxInput, IntegerModesClampToTheirRangeAndShowZeroAsEmpty) {
  EXPECT_EQ(normalisedInput(EditBoxData::kByteInput, "300"), "255");
  EXPECT_EQ(normalisedInput(EditBoxData::kByteInput, "-5"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kByteInput, "0"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kByteInput, "abc"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kByteInput, " 007x"), "7");
  EXPECT_EQ(normalisedInput(EditBoxData::kShortInput, "40000"), "32767");
  EXPECT_EQ(normalisedInput(EditBoxData::kShortInput, "-40000"), "-32768");
  EXPECT_EQ(normalisedInput(EditBoxData::kIntInput, "99999999999"), "2147483647");
  EXPECT_EQ(normalisedInput(EditBoxData::kIntInput, "-2147483649"), "-2147483648");
  EXPECT_EQ(normalisedInput(EditBoxData::kLongInput, "-9223372036854775808"), "-9223372036854775808");
  EXPECT_EQ(normalisedInput(EditBoxData::kLongInput, "99999999999999999999"), "9223372036854775807");
  EXPECT_EQ(normalisedInput(EditBoxData::kLongInput, "-"), "");
}

TEST(EditBoxInput, RealModesUseTheTextFormsOfTheirType) {
  EXPECT_EQ(normalisedInput(EditBoxData::kFloatInput, "1234567"), "1.23457e+06");
  EXPECT_EQ(normalisedInput(EditBoxData::kFloatInput, "1.5x"), "1.5");
  EXPECT_EQ(normalisedInput(EditBoxData::kFloatInput, "1e60"), "3.40282e+38");
  EXPECT_EQ(normalisedInput(EditBoxData::kDoubleInput, "0.1"), "0.1");
  EXPECT_EQ(normalisedInput(EditBoxData::kDoubleInput, "-.25"), "-0.25");
  EXPECT_EQ(normalisedInput(EditBoxData::kDoubleInput, "-0"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kDoubleInput, "."), "");
}

TEST(EditBoxInput, DateTimeModeReadsBothWrittenFormsAndRejectsTheRest) {
  const std::string date = "2024\xC4\xEA" "2\xD4\xC2" "29\xC8\xD5";  // 2024年2月29日
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "2024-2-29"), date);
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, " 2024/02/29 13:05 "), date + "13\xCA\xB1" "5\xB7\xD6");
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, date + "8\xCA\xB1"), date + "8\xCA\xB1");
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "2023-2-29"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "2024-13-1"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "2024-1/1"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "2024-1-1 24:00"), "");
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "tomorrow"), "");
  // The day number 0 shows as an empty box.
  EXPECT_EQ(normalisedInput(EditBoxData::kDateTimeInput, "1899-12-30"), "");
  double day = 0;
  ASSERT_TRUE(lp::parseDateTimeText("1899-12-29 06:00", &day));
  EXPECT_DOUBLE_EQ(day, -1.25);
}

TEST(EditBoxInput, ModesWithoutNormalisationKeepTheText) {
  for (int32_t mode = 0; mode <= 4; ++mode) {
    EXPECT_FALSE(lp::inputModeNormalises(mode));
    EXPECT_EQ(normalisedInput(mode, "-0.50x"), "-0.50x");
  }
}

TEST(EditBoxInput, AdjusterStepsWrapAtTheRangeEnds) {
  EXPECT_EQ(lp::adjusterStep("10", 1, 10, true), 1);
  EXPECT_EQ(lp::adjusterStep("1", 1, 10, false), 10);
  EXPECT_EQ(lp::adjusterStep("5", 1, 10, true), 6);
  EXPECT_EQ(lp::adjusterStep("5", 1, 10, false), 4);
  // Outside the range: up starts at the lower end, down at the upper end.
  EXPECT_EQ(lp::adjusterStep("abc", 1, 10, true), 1);
  EXPECT_EQ(lp::adjusterStep("50", 1, 10, true), 1);
  EXPECT_EQ(lp::adjusterStep("50", 1, 10, false), 10);
  EXPECT_EQ(lp::adjusterStep("-7", 1, 10, false), 10);
  EXPECT_EQ(lp::adjusterStep("2147483647", -5, 2147483647, true), -5);
}

}  // namespace
