// The report list's Columns and InitialRows records.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "runtime/extended/report_list_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  std::vector<lp::ReportColumn> columns;
  lp::parseColumns(bytes, columns);
  std::vector<lp::ReportRowRecord> rows;
  lp::parseRows(bytes, rows);
  return 0;
}
