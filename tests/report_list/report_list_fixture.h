// A window holding one report list, built from a template in the test, and
// calls of the report list's commands through the library's command table.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/command_numbers.h"
#include "runtime/core/value.h"
#include "runtime/extended/report_list_data.h"
#include "window_fixture.h"

namespace test {

constexpr uint32_t kReportListCode = (kExtendedLibrary << 16) | 4;
const uint32_t kList = componentId(1);

// An argument of a command call.
lp::ValueRecord intArg(int32_t value);
lp::ValueRecord textArg(const char* text);

class ReportListTest : public WindowTest {
 public:
  using WindowTest::pump;

  // Loads a window with a report list of the given properties, 400 x 300.
  bool loadList(const lp::ReportListData& data);
  HWND list() const { return unitWindow(kList); }

  // The command's result; args follow the report list itself.
  lp::ValueRecord call(lp::ExtendedInterfaceCommand command, std::vector<lp::ValueRecord> args = {});
  int32_t callInt(lp::ExtendedInterfaceCommand command, std::vector<lp::ValueRecord> args = {});
  // GetCellText as GBK text (the result block freed).
  std::string cellText(int32_t row, int32_t column);

  // Own property reads and writes through the runtime (index from 8).
  uint64_t readProperty(int32_t ownIndex);
  void writeProperty(int32_t ownIndex, uint32_t value);
  std::string readText(int32_t ownIndex);

  // Event arguments of every logged event with that number on the list.
  std::vector<std::vector<int32_t>> argsOf(int32_t event) const;
};

// The reader's report list: report view, four columns, full-row select,
// grid lines and hot tracking.
lp::ReportListData readerList();
// Columns data with a heading and a width each.
std::vector<uint8_t> columnsOf(const std::vector<std::pair<std::string, int32_t>>& columns);

}  // namespace test
