// The external database component under a plain parent window, driven the
// way the application drives it: commands with value records in and out.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/program_header.h"
#include "runtime/core/value.h"
#include "runtime/extended/external_database.h"

namespace dbcmd {

// A fixture's path as the program sees it under Wine (drive Z: is the root).
std::string windowsPath(const std::string& hostPath);
std::string passagesPath();
std::string pinyinPath();

lp::ValueRecord text(const char* value);
lp::ValueRecord integer(int32_t value);
lp::ValueRecord logical(bool value);
lp::ValueRecord real(double value);
lp::ValueRecord omitted();

// A command result read and released: its type code, its low word and, for
// a text, its bytes (isNull for a text without data).
struct Value {
  uint32_t type;
  int32_t word;
  bool isNull;
  std::string text;
};

// One ODBCDB component, created through its create entry; the runtime's
// component lookup is answered for it.
class DatabaseComponent : public ::testing::Test {
 protected:
  static constexpr uint32_t kWindowId = 0x52010001u;
  static constexpr uint32_t kUnitId = 0x26000005u;
  void SetUp() override;
  void TearDown() override;

  lp::ValueRecord call(lp::CommandFn command, std::vector<lp::ValueRecord> arguments = {});
  bool open(const std::string& path);
  int32_t query(const char* statement);
  bool isEOF(int32_t handle);
  Value read(int32_t handle, const lp::ValueRecord& field);
  Value read(int32_t handle, const char* name) { return read(handle, text(name)); }
  // MoveFirst, then the named text or integer fields of every row, joined by
  // "|", until IsEOF; the record set is closed afterwards.
  std::vector<std::string> rows(int32_t handle, std::vector<const char*> names);
  std::vector<std::string> rows(const char* statement, std::vector<const char*> names);

  HWND parent = nullptr;
  lp::ExternalDatabase* database = nullptr;
};

}  // namespace dbcmd
