// Usage maps: which pages belong to a table (or an index, or are free).
// A map is a row on a data page: inline (a bitmap of up to 512 pages) or a
// reference map pointing at bitmap pages (type 05) for larger tables.
#pragma once

#include "tools/jet4/byte_buffer.h"

#include <cstdint>
#include <vector>

namespace jet4 {

// Size of every map row; reference and inline rows alike.
constexpr size_t kMapRowSize = 69;

// True when the pages can be described by one inline map.
bool fitsInlineMap(const std::vector<uint32_t>& pages);

// Inline map: start 0 when every page is below 512, else the first page.
Bytes inlineMapRow(const std::vector<uint32_t>& pages);

// Reference map: the bitmap pages it needs, one per 32,736-page range that
// holds at least one of the pages.
size_t referenceBitmapPageCount(const std::vector<uint32_t>& pages);

struct ReferenceMap {
  Bytes row;
  std::vector<Bytes> bitmapPages;  // to be stored from firstBitmapPage on
};
ReferenceMap referenceMap(const std::vector<uint32_t>& pages, uint32_t firstBitmapPage);

// The global map (row 0 of page 1): a set bit means the page is free, which
// is the case for every page past the end of the file.
Bytes globalMapRow(uint32_t pageCount);

}  // namespace jet4
