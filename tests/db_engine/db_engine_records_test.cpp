// Reading fields by name and position, their kinds and values, and the
// bound-column entries, on the sample file's one project row.
#include <cmath>
#include <cstring>

#include "tests/db_engine/db_engine_support.h"

namespace {

using namespace dbtest;

const char* kProject =
    "select [PROJ_ID], [PROJ_NAME], [PROJ_OPT_CALC_ACT_COSTS], [PROJ_PROP_AUTHOR], "
    "[PROJ_OPT_CURRENCY_DIGITS], [PROJ_INFO_CURRENT_DATE], [PROJ_OPT_DEF_OVT_RATE], "
    "[PROJ_CHECKEDOUTDATE], [RESERVED_BINARY_DATA], [PROJ_PROP_CATEGORY] from [MSP_PROJECTS]";

class ProjectRow : public SampleDatabase {
 protected:
  void SetUp() override {
    SampleDatabase::SetUp();
    rs = query(db, kProject);
    ASSERT_NE(rs, 0u);
    ASSERT_EQ(recordCount(db, rs), 1);
  }
  lp::FieldValue read(const char* name) {
    lp::FieldValue f{};
    readByName(db, rs, name, &f);
    return f;
  }
  lp::DbHandle rs = 0;
};

TEST_F(ProjectRow, NumbersAndLogicalsComeWithTheirKinds) {
  lp::FieldValue f = read("PROJ_ID");
  EXPECT_EQ(f.kind, lp::kFieldInteger);
  EXPECT_EQ(f.value.integerValue, 1);
  f = read("PROJ_OPT_CURRENCY_DIGITS");
  EXPECT_EQ(f.kind, lp::kFieldShort);
  EXPECT_EQ(f.value.shortValue, 2);
  f = read("PROJ_OPT_CALC_ACT_COSTS");
  EXPECT_EQ(f.kind, lp::kFieldLogical);
  EXPECT_EQ(f.value.logical, 1);
  f = read("PROJ_OPT_DEF_OVT_RATE");
  EXPECT_EQ(f.kind, lp::kFieldDouble);
  EXPECT_EQ(f.value.doubleValue, 0.0);
}

TEST_F(ProjectRow, DateTimesAreDayNumbersAndNullIsZero) {
  lp::FieldValue f = read("PROJ_INFO_CURRENT_DATE");
  EXPECT_EQ(f.kind, lp::kFieldDateTime);
  EXPECT_NEAR(f.value.doubleValue, 38751.0 + 8.0 / 24, 1e-9);  // 3 February 2006, 08:00
  f = read("PROJ_CHECKEDOUTDATE");
  EXPECT_EQ(f.kind, lp::kFieldDateTime);
  EXPECT_EQ(f.value.doubleValue, 0.0);
}

TEST_F(ProjectRow, TextsAndByteSetsAreOwnedCopiesUntilEmptyVar) {
  lp::FieldValue f = read("PROJ_NAME");
  ASSERT_EQ(f.kind, lp::kFieldText);
  EXPECT_STREQ(f.value.text, "Project1");
  emptyVar(&f);
  EXPECT_EQ(f.kind, lp::kFieldNone);
  EXPECT_EQ(f.value.text, nullptr);

  f = read("PROJ_PROP_AUTHOR");  // a memo, not bound
  ASSERT_EQ(f.kind, lp::kFieldText);
  EXPECT_EQ(f.length, 348);
  EXPECT_EQ(std::strncmp(f.value.text, "Jon Iles", 8), 0);
  EXPECT_EQ(static_cast<int32_t>(std::strlen(f.value.text)), f.length);
  emptyVar(&f);

  f = read("RESERVED_BINARY_DATA");  // longer than one piece of SQLGetData
  ASSERT_EQ(f.kind, lp::kFieldByteSet);
  EXPECT_EQ(f.length, 22970);
  ASSERT_NE(f.value.bytes, nullptr);
  EXPECT_EQ(f.value.bytes[0], 0x15);
  EXPECT_EQ(f.value.bytes[2], 0x2D);
  EXPECT_EQ(f.value.bytes[22968], 0x05);  // the last piece joined on
  EXPECT_EQ(f.value.bytes[22969], 0xFE);
  emptyVar(&f);

  f = read("PROJ_PROP_CATEGORY");  // NULL memo
  EXPECT_EQ(f.kind, lp::kFieldText);
  EXPECT_EQ(f.value.text, nullptr);
  EXPECT_EQ(f.length, 0);
}

TEST_F(ProjectRow, NamesMatchExactlyAndPositionsStayInRange) {
  lp::FieldValue f{};
  EXPECT_EQ(readByName(db, rs, "proj_name", &f), 0);
  EXPECT_EQ(f.kind, lp::kFieldNone);
  EXPECT_EQ(readByName(db, rs, "PROJ_NAME ", &f), 0);
  EXPECT_EQ(readByName(db, rs, "PROJ_NAME", &f), 1);
  emptyVar(&f);
  EXPECT_EQ(readByIndex(db, rs, 0, &f), 1);
  EXPECT_EQ(f.kind, lp::kFieldInteger);
  EXPECT_EQ(readByIndex(db, rs, -1, &f), 0);
  EXPECT_EQ(f.kind, lp::kFieldNone);
  EXPECT_EQ(readByIndex(db, rs, 10, &f), 0);
  EXPECT_EQ(f.kind, lp::kFieldNone);
  EXPECT_EQ(readByIndex(db, rs, 9, &f), 1);  // the NULL memo still has its kind
  EXPECT_EQ(f.kind, lp::kFieldText);
}

TEST_F(ProjectRow, BoundColumnsLeaveOutLongAndWideOnes) {
  auto colCount = entry<lp::RecordSetCountEntry>("BDGetColCount");
  auto colName = entry<lp::ColumnNameEntry>("BDGetColName");
  auto colType = entry<lp::ColumnNumberEntry>("BDGetColSQLType");
  auto colWidth = entry<lp::ColumnNumberEntry>("BDGetColWidth");
  auto colText = entry<lp::ColumnTextEntry>("BDGetColText");
  // The memos (driver display size 64000) and the binary column are not bound.
  ASSERT_EQ(colCount(db, rs), 7);
  const char* names[] = {"PROJ_ID", "PROJ_NAME", "PROJ_OPT_CALC_ACT_COSTS",
                         "PROJ_OPT_CURRENCY_DIGITS", "PROJ_INFO_CURRENT_DATE",
                         "PROJ_OPT_DEF_OVT_RATE", "PROJ_CHECKEDOUTDATE"};
  for (int c = 0; c < 7; ++c) EXPECT_STREQ(colName(db, rs, c), names[c]);
  EXPECT_STREQ(colName(db, rs, 7), "");
  EXPECT_EQ(colType(db, rs, 0), 4);
  EXPECT_EQ(colType(db, rs, 4), 11);
  EXPECT_EQ(colType(db, rs, -1), 0);
  EXPECT_EQ(colWidth(db, rs, 0), 8);    // name length + 1 beats precision + 1
  EXPECT_EQ(colWidth(db, rs, 1), 510);  // character type: its precision
  EXPECT_STREQ(colText(db, rs, 0, 0), "1");
  EXPECT_STREQ(colText(db, rs, 0, 1), "Project1");
  EXPECT_STREQ(colText(db, rs, 0, 2), "1");
  EXPECT_STREQ(colText(db, rs, 0, 4), "2006-02-03 08:00:00");
  EXPECT_STREQ(colText(db, rs, 0, 6), "");
  EXPECT_STREQ(colText(db, rs, 1, 0), "");
  EXPECT_STREQ(colText(db, rs, 0, 7), "");
}

TEST_F(ProjectRow, ASnapshotRefusesChanges) {
  EXPECT_EQ(entry<lp::SetColumnTextEntry>("BDSetColText")(db, rs, 0, 1, "x"), 0);
  EXPECT_EQ(entry<lp::RecordSetCountEntry>("BDAppendBlank")(db, rs), 0);
  EXPECT_EQ(entry<lp::RemoveRowsEntry>("BDRemove")(db, rs, 0, 1), 0);
  EXPECT_STREQ(entry<lp::ColumnTextEntry>("BDGetColText")(db, rs, 0, 1), "Project1");
}

TEST_F(ProjectRow, AFailedChangeKeepsThePreviousText) {
  // The read-only driver under test cannot update: the record set must be
  // left as it was.
  lp::DbHandle modi = entry<lp::OpenTableEntry>("OpenTableToModi")(db, kProject);
  ASSERT_NE(modi, 0u);
  if (entry<lp::SetColumnTextEntry>("BDSetColText")(db, modi, 0, 1, "Changed") == 0) {
    EXPECT_STREQ(entry<lp::ColumnTextEntry>("BDGetColText")(db, modi, 0, 1), "Project1");
  }
  EXPECT_EQ(entry<lp::SetColumnTextEntry>("BDSetColText")(db, modi, 5, 1, "x"), 0);
  EXPECT_EQ(entry<lp::RemoveRowsEntry>("BDRemove")(db, modi, 0, 0), 0);
}

}  // namespace
