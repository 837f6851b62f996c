// Reaching the engine the way its users do: entries looked up by name.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "runtime/extended/odbc_connect_string.h"
#include "runtime/extended/odbc_engine.h"

namespace dbtest {

template <typename Entry>
Entry entry(const char* name) {
  lp::EngineEntryPoint e = lp::findEngineEntry(name);
  EXPECT_NE(e, nullptr) << name;
  return reinterpret_cast<Entry>(e);
}

// A host path as the program sees it under Wine: drive Z: is the root.
inline std::string windowsPath(const std::string& hostPath) {
  std::string p = "Z:" + hostPath;
  for (char& c : p) if (c == '/') c = '\\';
  return p;
}

inline std::string samplePath() { return windowsPath(LP_SAMPLE_MDB); }

inline lp::DbHandle openSample(const char* user = nullptr, const char* password = nullptr) {
  std::string connect = lp::buildAccessConnectString(samplePath().c_str(), user, password);
  return entry<lp::NewOpenDatabaseEntry>("NewOpenDatabase")(0, connect.c_str(), 1, 1);
}

inline void closeDatabase(lp::DbHandle c) { entry<lp::CloseDatabaseEntry>("CloseDatabase")(c); }
inline lp::DbHandle query(lp::DbHandle c, const char* statement) {
  return entry<lp::OpenTableEntry>("OpenTable")(c, statement);
}
inline int32_t isEOF(lp::DbHandle c, lp::DbHandle r) {
  return entry<lp::RecordSetTestEntry>("IsEOF")(c, r);
}
inline int32_t isBOF(lp::DbHandle c, lp::DbHandle r) {
  return entry<lp::RecordSetTestEntry>("IsBOF")(c, r);
}
inline void move(const char* how, lp::DbHandle c, lp::DbHandle r) { entry<lp::MoveEntry>(how)(c, r); }
inline int32_t recordCount(lp::DbHandle c, lp::DbHandle r) {
  return entry<lp::RecordSetCountEntry>("BDGetRecCount")(c, r);
}
inline int32_t readByName(lp::DbHandle c, lp::DbHandle r, const char* name, lp::FieldValue* f) {
  return entry<lp::ReadColByNameEntry>("ReadColByName")(c, r, name, f);
}
inline int32_t readByIndex(lp::DbHandle c, lp::DbHandle r, int32_t column, lp::FieldValue* f) {
  return entry<lp::ReadColByIndexEntry>("ReadColByIndex")(c, r, column, f);
}
inline void emptyVar(lp::FieldValue* f) { entry<lp::EmptyVarEntry>("EmptyVar")(f); }

// An open connection to the sample file for the length of a test.
class SampleDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    db = openSample();
    ASSERT_NE(db, 0u) << "cannot open " << samplePath();
  }
  void TearDown() override { closeDatabase(db); }
  lp::DbHandle db = 0;
};

}  // namespace dbtest
