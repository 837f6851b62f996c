#include "runtime/extended/report_list_records.h"

#include "runtime/components/property_stream.h"

namespace lp {

namespace {

bool readColumn(PropertyReader& in, ReportColumn& column) {
  column.imageOnRight = in.u8();
  column.image = in.i32();
  column.alignment = in.i32();
  column.width = in.i32();
  column.heading = in.zeroTerminated();
  return in.ok();
}

bool readRow(PropertyReader& in, ReportRowRecord& row) {
  row.subItem = in.u8();
  row.image = in.i32();
  row.stateImage = in.i32();
  row.indent = in.i32();
  row.itemData = in.i32();
  row.text = in.zeroTerminated();
  row.tip = in.zeroTerminated();
  return in.ok();
}

template <class Record, class ReadFn>
bool parseRecords(const std::vector<uint8_t>& data, std::vector<Record>& records, ReadFn read) {
  records.clear();
  PropertyReader in(data.data(), data.size());
  while (!in.atEnd()) {
    Record record;
    if (!read(in, record)) return false;
    records.push_back(std::move(record));
  }
  return true;
}

}  // namespace

bool parseColumns(const std::vector<uint8_t>& data, std::vector<ReportColumn>& columns) {
  return parseRecords(data, columns, readColumn);
}

std::vector<uint8_t> encodeColumns(const std::vector<ReportColumn>& columns) {
  PropertyWriter out;
  for (const ReportColumn& column : columns) {
    out.u8(column.imageOnRight);
    out.i32(column.image);
    out.i32(column.alignment);
    out.i32(column.width);
    out.zeroTerminated(column.heading);
  }
  return out.take();
}

bool parseRows(const std::vector<uint8_t>& data, std::vector<ReportRowRecord>& rows) {
  return parseRecords(data, rows, readRow);
}

std::vector<uint8_t> encodeRows(const std::vector<ReportRowRecord>& rows) {
  PropertyWriter out;
  for (const ReportRowRecord& row : rows) {
    out.u8(row.subItem);
    out.i32(row.image);
    out.i32(row.stateImage);
    out.i32(row.indent);
    out.i32(row.itemData);
    out.zeroTerminated(row.text);
    out.zeroTerminated(row.tip);
  }
  return out.take();
}

}  // namespace lp
