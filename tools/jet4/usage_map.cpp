#include "tools/jet4/usage_map.h"

#include "tools/jet4/page_size.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace jet4 {
namespace {

constexpr uint32_t kInlineBits = (kMapRowSize - 5) * 8;        // 512
constexpr uint32_t kBitmapPageBits = (kPageSize - 4) * 8;      // 32,736
constexpr size_t kReferenceSlots = (kMapRowSize - 1) / 4;      // 17

uint32_t inlineStart(const std::vector<uint32_t>& pages) {
  if (pages.empty()) return 0;
  uint32_t low = *std::min_element(pages.begin(), pages.end());
  uint32_t high = *std::max_element(pages.begin(), pages.end());
  return high < kInlineBits ? 0 : low;
}

}  // namespace

bool fitsInlineMap(const std::vector<uint32_t>& pages) {
  if (pages.empty()) return true;
  uint32_t high = *std::max_element(pages.begin(), pages.end());
  return high - inlineStart(pages) < kInlineBits;
}

Bytes inlineMapRow(const std::vector<uint32_t>& pages) {
  if (!fitsInlineMap(pages)) throw std::invalid_argument("pages span more than an inline map covers");
  uint32_t start = inlineStart(pages);
  Bytes row;
  appendU8(row, 0x00);
  appendU32(row, start);
  appendZeros(row, kMapRowSize - 5);
  for (uint32_t page : pages) {
    uint32_t bit = page - start;
    row[5 + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
  }
  return row;
}

size_t referenceBitmapPageCount(const std::vector<uint32_t>& pages) {
  std::vector<uint32_t> ranges;
  for (uint32_t page : pages) ranges.push_back(page / kBitmapPageBits);
  std::sort(ranges.begin(), ranges.end());
  return static_cast<size_t>(std::unique(ranges.begin(), ranges.end()) - ranges.begin());
}

ReferenceMap referenceMap(const std::vector<uint32_t>& pages, uint32_t firstBitmapPage) {
  std::map<uint32_t, Bytes> byRange;
  for (uint32_t page : pages) {
    uint32_t range = page / kBitmapPageBits;
    if (range >= kReferenceSlots) throw std::invalid_argument("page beyond the reach of a reference map");
    Bytes& bitmap = byRange[range];
    if (bitmap.empty()) {
      bitmap.assign(kPageSize, 0);
      bitmap[0] = 0x05;
      bitmap[1] = 0x01;
    }
    uint32_t bit = page % kBitmapPageBits;
    bitmap[4 + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
  }
  ReferenceMap map;
  appendU8(map.row, 0x01);
  std::vector<uint32_t> slots(kReferenceSlots, 0);
  uint32_t next = firstBitmapPage;
  for (auto& [range, bitmap] : byRange) {
    slots[range] = next++;
    map.bitmapPages.push_back(std::move(bitmap));
  }
  for (uint32_t slot : slots) appendU32(map.row, slot);
  return map;
}

Bytes globalMapRow(uint32_t pageCount) {
  size_t bitmapSize = std::max<size_t>(kMapRowSize - 5, pageCount / 8 + 1);
  Bytes row;
  appendU8(row, 0x00);
  appendU32(row, 0);
  appendZeros(row, bitmapSize);
  for (size_t bit = pageCount; bit < bitmapSize * 8; ++bit) row[5 + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
  return row;
}

}  // namespace jet4
