#include "tools/jet4/data_pages.h"

#include "tools/jet4/page_size.h"

#include <stdexcept>

namespace jet4 {
namespace {

constexpr size_t kHeaderSize = 14;
constexpr size_t kMaxRowsPerPage = 255;

}  // namespace

std::vector<std::vector<Bytes>> groupRowsIntoPages(const std::vector<Bytes>& rows) {
  std::vector<std::vector<Bytes>> pages;
  size_t used = kPageSize;  // forces a first page
  for (const Bytes& row : rows) {
    size_t need = row.size() + 2;
    if (kHeaderSize + need > kPageSize) throw std::invalid_argument("row does not fit a page");
    if (pages.empty() || used + need > kPageSize || pages.back().size() == kMaxRowsPerPage) {
      pages.emplace_back();
      used = kHeaderSize;
    }
    pages.back().push_back(row);
    used += need;
  }
  return pages;
}

Bytes dataPage(uint32_t ownerPage, const std::vector<Bytes>& rows) {
  Bytes page(kPageSize, 0);
  page[0] = 0x01;
  page[1] = 0x01;
  putU32(page, 4, ownerPage);
  putU16(page, 12, static_cast<uint32_t>(rows.size()));
  size_t end = kPageSize;
  size_t used = kHeaderSize;
  for (size_t i = 0; i < rows.size(); ++i) {
    used += rows[i].size() + 2;
    if (used > kPageSize || rows.size() > kMaxRowsPerPage) throw std::invalid_argument("rows overflow a data page");
    end -= rows[i].size();
    putBytes(page, end, rows[i]);
    putU16(page, kHeaderSize + 2 * i, static_cast<uint32_t>(end));
  }
  putU16(page, 2, static_cast<uint32_t>(kPageSize - used));
  return page;
}

}  // namespace jet4
