// Values written to choice and bounded properties are clamped, never refused;
// blocks with out-of-range choices are clamped as they are read.
#include <gtest/gtest.h>

#include "runtime/components/common_dialog_data.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/label_data.h"
#include "runtime/components/list_box_data.h"
#include "runtime/components/window_data.h"
#include "runtime/extended/report_list_data.h"
#include "runtime/extended/transparent_label_data.h"

namespace lp {
namespace {

TEST(Clamping, ChoicesComeIntoTheirRanges) {
  EXPECT_EQ(WindowData::clampValue(WindowData::kBorder, 7), 6);
  EXPECT_EQ(WindowData::clampValue(WindowData::kBorder, -1), 0);
  EXPECT_EQ(WindowData::clampValue(WindowData::kShape, 30), 29);
  EXPECT_EQ(WindowData::clampValue(WindowData::kPosition, 3), 3);
  EXPECT_EQ(WindowData::clampValue(WindowData::kHelpContext, -50), -50);  // not a choice
  EXPECT_EQ(LabelData::clampValue(LabelData::kGradientMode, 9), 8);
  EXPECT_EQ(LabelData::clampValue(LabelData::kPictureMode, 3), 2);
  EXPECT_EQ(EditBoxData::clampValue(EditBoxData::kInputMode, 12), 11);
  EXPECT_EQ(EditBoxData::clampValue(EditBoxData::kBorder, 6), 5);
  EXPECT_EQ(CommonDialogData::clampValue(CommonDialogData::kDialogType, 4), 3);
  EXPECT_EQ(CommonDialogData::clampValue(CommonDialogData::kHelpCommand, 6), 5);
  EXPECT_EQ(ReportListData::clampValue(ReportListData::kViewType, -3), 0);
  EXPECT_EQ(ReportListData::clampValue(ReportListData::kSortOrder, 3), 2);
  EXPECT_EQ(TransparentLabelData::clampValue(TransparentLabelData::kVerticalAlign, 5), 2);
}

TEST(Clamping, BoundedIntegers) {
  EXPECT_EQ(LabelData::clampValue(LabelData::kGradientBorderWidth, 3), 5);
  EXPECT_EQ(LabelData::clampValue(LabelData::kGradientBorderWidth, 40), 40);
  EXPECT_EQ(EditBoxData::clampValue(EditBoxData::kMaxLength, -1), 0);
  EXPECT_EQ(ListBoxData::clampValue(ListBoxData::kRowSpacing, 40000), 32767);
  EXPECT_EQ(ListBoxData::clampValue(ListBoxData::kRowSpacing, -2), 0);
  EXPECT_EQ(CommonDialogData::clampValue(CommonDialogData::kFilterIndex, -4), 0);
  EXPECT_EQ(CommonDialogData::clampValue(CommonDialogData::kFontSize, -12), 0);
  EXPECT_EQ(CommonDialogData::clampValue(CommonDialogData::kFontSize, 12), 12);
  EXPECT_EQ(ReportListData::clampValue(ReportListData::kCurrentRow, -7), -1);
  EXPECT_EQ(ReportListData::clampValue(ReportListData::kCurrentRow, 70), 70);
}

TEST(Clamping, CurrentIndexAgainstTheLiveList) {
  EXPECT_EQ(ListBoxData::clampCurrentIndex(100, 66), 65);
  EXPECT_EQ(ListBoxData::clampCurrentIndex(-5, 66), -1);
  EXPECT_EQ(ListBoxData::clampCurrentIndex(3, 0), -1);
}

TEST(Clamping, SelectionWrites) {
  EditBoxData data;
  data.setSelLength(3, 20);
  data.setSelStart(5, 20);
  EXPECT_EQ(data.selStart, 5);
  EXPECT_EQ(data.selLength, 3);
  data.setSelStart(-1, 20);  // caret to the end
  EXPECT_EQ(data.selStart, 20);
  EXPECT_EQ(data.selLength, 0);
  data.setSelLength(-1, 20);  // select all
  EXPECT_EQ(data.selStart, 0);
  EXPECT_EQ(data.selLength, 20);
  data.setSelStart(-9, 20);
  data.setSelLength(-9, 20);
  EXPECT_EQ(data.selStart, 0);
  EXPECT_EQ(data.selLength, 0);
}

TEST(Clamping, OutOfRangeChoicesInABlockAreClampedOnRead) {
  EditBoxData edit;
  edit.inputMode = 200;
  edit.adjuster = -4;
  std::vector<uint8_t> block = edit.write();
  ASSERT_TRUE(edit.read(block.data(), block.size()));
  EXPECT_EQ(edit.inputMode, 11);
  EXPECT_EQ(edit.adjuster, 0);

  WindowData window;
  window.shape = 1000;
  block = window.write();
  ASSERT_TRUE(window.read(block.data(), block.size()));
  EXPECT_EQ(window.shape, 29);
}

}  // namespace
}  // namespace lp
