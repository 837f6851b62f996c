#include <gtest/gtest.h>

#include "runtime/extended/odbc_brackets.h"
#include "runtime/extended/odbc_column_rules.h"
#include "runtime/extended/odbc_connect_string.h"
#include "runtime/extended/odbc_day_number.h"
#include "runtime/extended/odbc_name_hash.h"

namespace {

const char* kDriverPart = ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access";

TEST(AccessConnectString, PathWithFoldersGetsDefaultDirUpToLastBackslash) {
  EXPECT_EQ(lp::buildAccessConnectString("D:\\A\\B\\x.kx", nullptr, nullptr),
            std::string("ODBC;DBQ=D:\\A\\B\\x.kx;DefaultDir=D:\\A\\B") + kDriverPart + ";");
}

TEST(AccessConnectString, NoBackslashMeansNoDefaultDir) {
  EXPECT_EQ(lp::buildAccessConnectString("x.kx", "", ""),
            std::string("ODBC;DBQ=x.kx") + kDriverPart + ";");
  EXPECT_EQ(lp::buildAccessConnectString("C:/a/x.kx", nullptr, nullptr),
            std::string("ODBC;DBQ=C:/a/x.kx") + kDriverPart + ";");
}

TEST(AccessConnectString, UserAndPasswordPassUnquoted) {
  EXPECT_EQ(lp::buildAccessConnectString("x.kx", "ad;min", "p=w;d"),
            std::string("ODBC;DBQ=x.kx") + kDriverPart + ";UID=ad;min;PWD=p=w;d;");
  EXPECT_EQ(lp::buildAccessConnectString("x.kx", "", "pw"),
            std::string("ODBC;DBQ=x.kx") + kDriverPart + ";PWD=pw;");
  EXPECT_EQ(lp::buildAccessConnectString("x.kx", "me", nullptr),
            std::string("ODBC;DBQ=x.kx") + kDriverPart + ";UID=me;");
}

TEST(ConnectValue, FoundOnlyAsAWholeKeywordAtAPieceStart) {
  std::string s = "ODBC;XDBQ=no;dbq=C:\\a.kx;DefaultDir=C:\\";
  lp::ConnectValue v = lp::findConnectValue(s, "DBQ");
  ASSERT_TRUE(v.found);
  EXPECT_EQ(s.substr(v.start, v.length), "C:\\a.kx");
  EXPECT_FALSE(lp::findConnectValue(s, "DB").found);
  EXPECT_FALSE(lp::findConnectValue("ODBC;DBQ", "DBQ").found);
  lp::ConnectValue last = lp::findConnectValue(s, "DefaultDir");
  EXPECT_EQ(s.substr(last.start, last.length), "C:\\");
}

TEST(ConnectValue, ReplaceKeepsTheOtherPieces) {
  EXPECT_EQ(lp::replaceConnectValue("ODBC;DBQ=Z:\\d\\x.kx;FIL=MS Access;", "DBQ", "/d/x.kx"),
            "ODBC;DBQ=/d/x.kx;FIL=MS Access;");
  EXPECT_EQ(lp::replaceConnectValue("ODBC;FIL=1;", "DBQ", "/x"), "ODBC;FIL=1;");
  EXPECT_EQ(lp::replaceAll("a/x;b/x", "/x", "Z:\\x"), "aZ:\\x;bZ:\\x");
  EXPECT_EQ(lp::replaceAll("abc", "", "q"), "abc");
}

TEST(Brackets, BecomeTheQuoteOutsideLiterals) {
  EXPECT_EQ(lp::replaceBrackets("select * from [t] where [a b]='[x]'", '"'),
            "select * from \"t\" where \"a b\"='[x]'");
}

TEST(Brackets, DoubledBracketIsOneLiteralBracket) {
  EXPECT_EQ(lp::replaceBrackets("select [[a]] from [t]", '`'), "select [a] from `t`");
}

TEST(Brackets, EscapedQuoteStaysInsideTheLiteral) {
  EXPECT_EQ(lp::replaceBrackets("where [n]='it''s [x]' and [m]=1", '"'),
            "where \"n\"='it''s [x]' and \"m\"=1");
}

TEST(Brackets, SecondByteOfAGbkCharacterIsNotABracket) {
  // 0x81 0x5B and 0x81 0x5D are two-byte characters whose second bytes are '[' and ']'.
  std::string statement = "select [\x81[] from t where a=\x81]";
  EXPECT_EQ(lp::replaceBrackets(statement, '"'), "select \"\x81[\" from t where a=\x81]");
}

TEST(Brackets, NoQuoteCharacterLeavesTheStatement) {
  EXPECT_EQ(lp::replaceBrackets("select [a]", 0), "select [a]");
}

TEST(NameHash, MatchesTheDefinition) {
  EXPECT_EQ(lp::engineNameHash(""), 0);
  EXPECT_EQ(lp::engineNameHash(nullptr), 0);
  EXPECT_EQ(lp::engineNameHash("A"), 65);
  EXPECT_EQ(lp::engineNameHash("AB"), 65 * 131 + 66);
  // Signed bytes: 0x80 counts as -128, then 0 * 131 - 128 wraps; low 31 bits kept.
  EXPECT_EQ(lp::engineNameHash("\x80"), static_cast<int32_t>(0xFFFFFF80u & 0x7FFFFFFFu));
  uint32_t h = 0;
  for (const char* p = "ReadColByName"; *p; ++p) h = h * 131u + static_cast<uint32_t>(*p);
  EXPECT_EQ(lp::engineNameHash("ReadColByName"), static_cast<int32_t>(h & 0x7FFFFFFFu));
  EXPECT_GE(lp::engineNameHash("BDGetColWidthBDGetColWidthBDGetColWidth"), 0);
}

TEST(ColumnRules, KindsFollowTheSqlType) {
  EXPECT_EQ(lp::fieldKindOfSqlType(-7), lp::kFieldLogical);
  EXPECT_EQ(lp::fieldKindOfSqlType(-6), lp::kFieldByte);
  EXPECT_EQ(lp::fieldKindOfSqlType(5), lp::kFieldShort);
  EXPECT_EQ(lp::fieldKindOfSqlType(4), lp::kFieldInteger);
  EXPECT_EQ(lp::fieldKindOfSqlType(7), lp::kFieldFloat);
  EXPECT_EQ(lp::fieldKindOfSqlType(6), lp::kFieldDouble);
  EXPECT_EQ(lp::fieldKindOfSqlType(11), lp::kFieldDateTime);
  EXPECT_EQ(lp::fieldKindOfSqlType(-5), lp::kFieldText);
  EXPECT_EQ(lp::fieldKindOfSqlType(3), lp::kFieldText);
  EXPECT_EQ(lp::fieldKindOfSqlType(-4), lp::kFieldByteSet);
  EXPECT_EQ(lp::fieldKindOfSqlType(-8), lp::kFieldNone);
  EXPECT_EQ(lp::fieldKindOfSqlType(93), lp::kFieldNone);
}

TEST(ColumnRules, LongAndWideColumnsAreNotBound) {
  EXPECT_TRUE(lp::isBindableColumn(12, 512));
  EXPECT_FALSE(lp::isBindableColumn(12, 513));
  EXPECT_FALSE(lp::isBindableColumn(-1, 10));
  EXPECT_FALSE(lp::isBindableColumn(-4, 10));
  EXPECT_TRUE(lp::isBindableColumn(-5, 20));
  EXPECT_TRUE(lp::isBindableColumn(-7, 1));
}

TEST(ColumnRules, DisplayWidthByTypeAndNameLength) {
  EXPECT_EQ(lp::columnDisplayWidth(12, 50, "a"), 50);
  EXPECT_EQ(lp::columnDisplayWidth(3, 10, "a"), 12);
  EXPECT_EQ(lp::columnDisplayWidth(4, 10, "a"), 11);
  EXPECT_EQ(lp::columnDisplayWidth(-7, 1, "a"), 3);
  EXPECT_EQ(lp::columnDisplayWidth(11, 8, "a"), 18);
  EXPECT_EQ(lp::columnDisplayWidth(-7, 1, "flag"), 5);
  EXPECT_EQ(lp::columnDisplayWidth(12, 0, nullptr), 1);
}

TEST(ColumnRules, NumericTypesForBlankRecords) {
  for (int t : {2, 3, 4, 5, 6, 7, 8, -5, -6, -7}) EXPECT_TRUE(lp::isNumericSqlType(t)) << t;
  for (int t : {1, 9, 11, 12, -1, -4, -8}) EXPECT_FALSE(lp::isNumericSqlType(t)) << t;
}

lp::TimestampParts at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return lp::TimestampParts{static_cast<int16_t>(y), static_cast<uint16_t>(mo),
                            static_cast<uint16_t>(d), static_cast<uint16_t>(h),
                            static_cast<uint16_t>(mi), static_cast<uint16_t>(s), 0};
}

TEST(DayNumber, CountsFromTheEndOf1899) {
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(1899, 12, 30)), 0.0);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(1900, 1, 1, 12)), 2.5);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(2006, 2, 3, 8)), 38751.0 + 8.0 / 24);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(1899, 12, 29, 6)), -1.25);
}

TEST(DayNumber, LimitsAreFirstAndLastRepresentableDays) {
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(100, 1, 1)), lp::kFirstDayNumber);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(9999, 12, 31)), lp::kLastDayNumber);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(99, 12, 31)), lp::kFirstDayNumber);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(9999, 12, 31, 23, 59, 59)), lp::kLastDayNumber);
  EXPECT_DOUBLE_EQ(lp::dayNumberOfTimestamp(at(-32000, 1, 1)), lp::kFirstDayNumber);
}

TEST(DayNumber, TextIsIsoLike) {
  EXPECT_EQ(lp::timestampText(at(1974, 9, 21, 7, 5, 3)), "1974-09-21 07:05:03");
}

}  // namespace
