// The record formats inside the report list's Columns and InitialRows
// properties: packed little-endian records without padding, each ending in
// zero-terminated texts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lp {

struct ReportColumn {
  uint8_t imageOnRight = 0;  // non-zero: the image sits right of the heading
  int32_t image = -1;        // index in the header image list, -1 for none
  int32_t alignment = 0;     // 1 centred, 2 right, anything else left
  int32_t width = 0;         // pixels
  std::string heading;
};

struct ReportRowRecord {
  uint8_t subItem = 0;      // 0 starts a new row; else the next column of the row
  int32_t image = -1;       // index in Images
  int32_t stateImage = -1;  // index in StateImages
  int32_t indent = 0;       // rows only
  int32_t itemData = 0;     // rows only
  std::string text;
  std::string tip;  // info-tip text
};

// Parsing gives every complete record; false when bytes are left over that
// do not make a complete record. Encoding a parsed buffer gives it back
// byte for byte.
bool parseColumns(const std::vector<uint8_t>& data, std::vector<ReportColumn>& columns);
std::vector<uint8_t> encodeColumns(const std::vector<ReportColumn>& columns);
bool parseRows(const std::vector<uint8_t>& data, std::vector<ReportRowRecord>& rows);
std::vector<uint8_t> encodeRows(const std::vector<ReportRowRecord>& rows);

}  // namespace lp
