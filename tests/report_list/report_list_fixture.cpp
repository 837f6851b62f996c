#include "report_list_fixture.h"

#include "runtime/core/entry_services.h"
#include "runtime/core/library_table.h"
#include "runtime/core/memory_service.h"
#include "runtime/extended/report_list_records.h"

namespace test {

lp::ValueRecord intArg(int32_t value) { return {static_cast<uint32_t>(value), 0, lp::kInt}; }

lp::ValueRecord textArg(const char* text) {
  lp::ValueRecord r;
  lp::setRecordPointer(r, text, lp::kText);
  return r;
}

bool ReportListTest::loadList(const lp::ReportListData& data) {
  setWindow(lp::WindowData(), 480, 360);
  addComponent(1, kReportListCode, data.write(), 1);
  template_.units.back().component.width = 400;
  template_.units.back().component.height = 300;
  return load() && list() != nullptr;
}

lp::ValueRecord ReportListTest::call(lp::ExtendedInterfaceCommand command, std::vector<lp::ValueRecord> args) {
  args.insert(args.begin(), lp::ValueRecord{kWindowId, kList, kReportListCode});
  lp::ValueRecord result = {};
  lp::kExtendedInterfaceLibraryInfo.commands[command](&result, static_cast<int32_t>(args.size()), args.data());
  return result;
}

int32_t ReportListTest::callInt(lp::ExtendedInterfaceCommand command, std::vector<lp::ValueRecord> args) {
  return static_cast<int32_t>(call(command, std::move(args)).low);
}

std::string ReportListTest::cellText(int32_t row, int32_t column) {
  lp::ValueRecord result = call(lp::kCmdGetCellText, {intArg(row), intArg(column)});
  EXPECT_EQ(result.type, lp::kText);
  auto* text = static_cast<char*>(lp::recordPointer(result));
  std::string out = text ? text : "";
  lp::release(text);
  return out;
}

uint64_t ReportListTest::readProperty(int32_t ownIndex) {
  return lp_entry_services.readProperty(kWindowId, kList, ownIndex + 8, 0);
}

void ReportListTest::writeProperty(int32_t ownIndex, uint32_t value) {
  lp_entry_services.writeProperty(kWindowId, kList, ownIndex + 8, 0, value, 0);
}

std::string ReportListTest::readText(int32_t ownIndex) {
  auto* text = reinterpret_cast<char*>(static_cast<uintptr_t>(readProperty(ownIndex)));
  std::string out = text ? text : "";
  lp::release(text);
  return out;
}

std::vector<std::vector<int32_t>> ReportListTest::argsOf(int32_t event) const {
  std::vector<std::vector<int32_t>> out;
  for (const LoggedEvent& e : eventsOf(kList))
    if (e.event == event) out.push_back(std::vector<int32_t>(e.args.begin(), e.args.end()));
  return out;
}

std::vector<uint8_t> columnsOf(const std::vector<std::pair<std::string, int32_t>>& columns) {
  std::vector<lp::ReportColumn> records;
  for (const auto& [heading, width] : columns) {
    lp::ReportColumn column;
    column.heading = heading;
    column.width = width;
    records.push_back(column);
  }
  return lp::encodeColumns(records);
}

lp::ReportListData readerList() {
  lp::ReportListData d;
  d.border = 3;
  d.viewType = lp::ReportListData::kReportView;
  d.fullRowSelect = true;
  d.gridLines = true;
  d.hotTrack = true;
  d.singleSelect = false;
  d.font.assign(60, 0);
  d.font[0] = 0xF4;  // height -12
  d.font[1] = d.font[2] = d.font[3] = 0xFF;
  d.font[16] = 0x90;  // weight 400
  d.font[17] = 0x01;
  d.font[23] = 134;  // GB2312_CHARSET
  d.font[24] = 3;
  d.font[25] = 2;
  d.font[26] = 1;
  d.font[27] = 2;
  const char face[] = "宋体";
  for (size_t i = 0; i + 1 < sizeof face; ++i) d.font[28 + i] = static_cast<uint8_t>(face[i]);
  d.columns = columnsOf({{"福音卷书", 120}, {"章", 70}, {"节", 70}, {"对应经文", 295}});
  return d;
}

}  // namespace test
