#include <gtest/gtest.h>

#include <cstring>

#include "runtime/extended/odbc_day_number.h"
#include "runtime/extended/odbc_field_value.h"
#include "runtime/extended/odbc_wine_connect.h"

namespace {

std::string toHost(const std::string& windowsPath) {
  if (windowsPath.rfind("Z:\\", 0) != 0) return "";
  std::string p = windowsPath.substr(2);
  for (char& c : p) if (c == '\\') c = '/';
  return p;
}

const std::string kConnect =
    "ODBC;DBQ=Z:\\data\\x.kx;DefaultDir=Z:\\data;Driver={Microsoft Access Driver (*.mdb)};"
    "FIL=MS Access;";

TEST(WineConnect, OnWindowsTheStringPassesUnchanged) {
  lp::DriverConnect d = lp::prepareDriverConnect(kConnect + "PWD=aDSN;", nullptr);
  EXPECT_TRUE(d.sendable);
  EXPECT_EQ(d.sent, kConnect + "PWD=aDSN;");
  EXPECT_EQ(lp::reportedConnectString(d, kConnect, "DBQ=Z:\\data\\x.kx;UID=admin"),
            "DBQ=Z:\\data\\x.kx;UID=admin");
}

TEST(WineConnect, DatabasePathIsSentAsTheHostPath) {
  lp::DriverConnect d = lp::prepareDriverConnect(kConnect, toHost);
  EXPECT_TRUE(d.sendable);
  EXPECT_EQ(d.sent,
            "ODBC;DBQ=/data/x.kx;DefaultDir=Z:\\data;Driver={Microsoft Access Driver (*.mdb)};"
            "FIL=MS Access;");
  EXPECT_EQ(d.windowsPath, "Z:\\data\\x.kx");
  EXPECT_EQ(d.hostPath, "/data/x.kx");
}

TEST(WineConnect, ReportedStringCarriesTheCallersPath) {
  lp::DriverConnect d = lp::prepareDriverConnect(kConnect, toHost);
  // A driver that completes nothing: the caller's own string.
  EXPECT_EQ(lp::reportedConnectString(d, kConnect, ""), kConnect);
  // One that completes it from what it received.
  EXPECT_EQ(lp::reportedConnectString(d, kConnect, "DBQ=/data/x.kx;DRIVER={A};UID=admin;"),
            "DBQ=Z:\\data\\x.kx;DRIVER={A};UID=admin;");
}

TEST(WineConnect, UntranslatablePathIsSentAsGiven) {
  std::string connect = "ODBC;DBQ=C:\\x.kx;FIL=MS Access;";
  lp::DriverConnect d = lp::prepareDriverConnect(connect, toHost);
  EXPECT_EQ(d.sent, connect);
  EXPECT_EQ(lp::reportedConnectString(d, connect, "DBQ=C:\\x.kx;"), "DBQ=C:\\x.kx;");
}

TEST(WineConnect, TheLettersDsnAreNeverSent) {
  EXPECT_FALSE(lp::prepareDriverConnect(kConnect + "UID=DSN;", toHost).sendable);
  EXPECT_FALSE(lp::prepareDriverConnect("ODBC;DBQ=Z:\\DSNs\\x.kx;", toHost).sendable);
  // The driver's search is case-sensitive.
  EXPECT_TRUE(lp::prepareDriverConnect("ODBC;DBQ=Z:\\dsn\\x.kx;", toHost).sendable);
}

lp::FetchedField fetched(const void* bytes, size_t n) {
  return lp::FetchedField{false, std::string(static_cast<const char*>(bytes), n)};
}
const lp::FetchedField kNull{true, ""};
const lp::FetchedField kEmpty{false, ""};

TEST(FieldValues, NumbersKeepTheirWidthAndSign) {
  lp::FieldValue v;
  int16_t s = -2;
  lp::fillFieldValue(lp::kFieldShort, fetched(&s, 2), &v);
  EXPECT_EQ(v.kind, lp::kFieldShort);
  EXPECT_EQ(v.value.shortValue, -2);
  uint8_t b = 200;
  lp::fillFieldValue(lp::kFieldByte, fetched(&b, 1), &v);
  EXPECT_EQ(v.value.byteValue, 200);
  double d = 2.5;
  lp::fillFieldValue(lp::kFieldDouble, fetched(&d, 8), &v);
  EXPECT_EQ(v.value.doubleValue, 2.5);
  uint8_t bit = 1;
  lp::fillFieldValue(lp::kFieldLogical, fetched(&bit, 1), &v);
  EXPECT_EQ(v.value.logical, 1);
}

TEST(FieldValues, NullAndEmptyGiveTheKindsZeroValue) {
  for (lp::FieldKind kind : {lp::kFieldByte, lp::kFieldShort, lp::kFieldInteger, lp::kFieldFloat,
                             lp::kFieldDouble, lp::kFieldLogical, lp::kFieldDateTime,
                             lp::kFieldText, lp::kFieldByteSet}) {
    for (const lp::FetchedField& f : {kNull, kEmpty}) {
      lp::FieldValue v;
      std::memset(&v, 0xAB, sizeof v);
      lp::fillFieldValue(kind, f, &v);
      EXPECT_EQ(v.kind, kind);
      EXPECT_EQ(v.length, 0);
      EXPECT_EQ(v.value.doubleValue, 0.0) << kind;
    }
  }
}

TEST(FieldValues, TextIsAZeroTerminatedCopyFreedByEmpty) {
  lp::FieldValue v;
  lp::fillFieldValue(lp::kFieldText, fetched("\xD6\xD0\xCE\xC4", 4), &v);
  ASSERT_EQ(v.kind, lp::kFieldText);
  EXPECT_EQ(v.length, 4);
  EXPECT_STREQ(v.value.text, "\xD6\xD0\xCE\xC4");
  lp::emptyFieldValue(&v);
  EXPECT_EQ(v.kind, lp::kFieldNone);
  EXPECT_EQ(v.value.text, nullptr);
  lp::emptyFieldValue(&v);  // nothing left to free
  lp::emptyFieldValue(nullptr);
}

TEST(FieldValues, ByteSetKeepsZeroBytes) {
  lp::FieldValue v;
  lp::fillFieldValue(lp::kFieldByteSet, fetched("\0\1\0", 3), &v);
  ASSERT_EQ(v.length, 3);
  EXPECT_EQ(v.value.bytes[1], 1);
  lp::emptyFieldValue(&v);
}

TEST(FieldValues, KindNoneGivesAnEmptyRecord) {
  lp::FieldValue v;
  lp::fillFieldValue(lp::kFieldNone, fetched("abc", 3), &v);
  EXPECT_EQ(v.kind, lp::kFieldNone);
  EXPECT_EQ(v.value.text, nullptr);
}

TEST(FieldValues, DateTimeIsClampedDayNumber) {
  lp::TimestampParts t{10000, 1, 1, 0, 0, 0, 0};
  lp::FieldValue v;
  lp::fillFieldValue(lp::kFieldDateTime, fetched(&t, sizeof t), &v);
  EXPECT_EQ(v.value.doubleValue, lp::kLastDayNumber);
}

TEST(FieldValues, BoundTextOfEachKind) {
  int32_t i = -7;
  EXPECT_EQ(lp::fieldText(lp::kFieldInteger, fetched(&i, 4)), "-7");
  double d = 0.1;
  EXPECT_EQ(lp::fieldText(lp::kFieldDouble, fetched(&d, 8)), "0.1");
  uint8_t bit = 3;
  EXPECT_EQ(lp::fieldText(lp::kFieldLogical, fetched(&bit, 1)), "1");
  EXPECT_EQ(lp::fieldText(lp::kFieldText, fetched("ab", 2)), "ab");
  EXPECT_EQ(lp::fieldText(lp::kFieldInteger, kNull), "");
  EXPECT_EQ(lp::fieldText(lp::kFieldNone, fetched("{guid}", 6)), "{guid}");
}

}  // namespace
