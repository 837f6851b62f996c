#include "runtime/components/focus_order.h"

#include <gtest/gtest.h>

namespace lp {
namespace {

FocusUnit candidate(int32_t tabOrder) { return {tabOrder, true, false}; }
FocusUnit label(int32_t tabOrder) { return {tabOrder, false, true}; }
FocusUnit other() { return {0, false, false}; }

TEST(FocusOrder, CandidatesFollowTabOrderAndWrap) {
  // Position 0 is the window; tab orders 3, 1, 2.
  const std::vector<FocusUnit> units = {other(), candidate(3), candidate(1), candidate(2)};
  EXPECT_EQ(tabSequence(units), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(nextFocus(units, 2, true), 3);
  EXPECT_EQ(nextFocus(units, 1, true), 2) << "forward wraps from the last";
  EXPECT_EQ(nextFocus(units, 2, false), 1) << "backward wraps from the first";
  EXPECT_EQ(nextFocus(units, 3, false), 2);
}

TEST(FocusOrder, EqualTabOrdersKeepUnitOrder) {
  const std::vector<FocusUnit> units = {other(), candidate(1), candidate(1), candidate(0)};
  EXPECT_EQ(tabSequence(units), (std::vector<int>{3, 1, 2}));
}

TEST(FocusOrder, PastALabelByTabOrderWithoutWrapping) {
  const std::vector<FocusUnit> units = {other(), candidate(1), label(2), candidate(2), candidate(5)};
  EXPECT_EQ(nextFocus(units, 2, true), 3) << "first candidate whose order is not below the label's";
  EXPECT_EQ(nextFocus(units, 2, false), 1) << "last candidate whose order is below it";
  const std::vector<FocusUnit> last = {other(), candidate(1), label(9)};
  EXPECT_EQ(nextFocus(last, 2, true), -1);
  const std::vector<FocusUnit> first = {other(), label(0), candidate(1)};
  EXPECT_EQ(nextFocus(first, 1, false), -1);
}

TEST(FocusOrder, FromANonCandidateThePivotDecides) {
  // Tab order: position 4 (order 1), position 1 (order 2), position 5 (order 3).
  const std::vector<FocusUnit> units = {other(), candidate(2), other(), other(), candidate(1), candidate(3)};
  // From position 3 the first candidate in tab order not after it is position 1.
  EXPECT_EQ(nextFocus(units, 3, true), 1);
  EXPECT_EQ(nextFocus(units, 3, false), 4);
  // From the window itself no candidate comes before it.
  EXPECT_EQ(nextFocus(units, 0, true), 4);
  EXPECT_EQ(nextFocus(units, 0, false), 5);
  // The pivot at the head of the sequence wraps backward to the last.
  const std::vector<FocusUnit> head = {other(), candidate(1), other(), candidate(2)};
  EXPECT_EQ(nextFocus(head, 2, false), 3);
}

TEST(FocusOrder, NoCandidatesNoFocus) {
  const std::vector<FocusUnit> units = {other(), other()};
  EXPECT_EQ(nextFocus(units, 1, true), -1);
  EXPECT_EQ(nextFocus(units, 1, false), -1);
}

}  // namespace
}  // namespace lp
