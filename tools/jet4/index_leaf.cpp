#include "tools/jet4/index_leaf.h"

#include "tools/jet4/page_size.h"

#include <algorithm>
#include <stdexcept>

namespace jet4 {
namespace {

constexpr size_t kBitmapStart = 0x1B;
constexpr size_t kEntryStart = 0x1E0;
constexpr uint8_t kKeyStart = 0x7F;
const uint8_t kLetterCodes[26] = {0x4A, 0x4C, 0x4D, 0x4F, 0x51, 0x53, 0x55, 0x57, 0x59, 0x5B, 0x5C, 0x5E, 0x60,
                                  0x62, 0x64, 0x66, 0x68, 0x69, 0x6B, 0x6D, 0x6F, 0x71, 0x73, 0x75, 0x76, 0x78};

Bytes entryBytes(const LeafEntry& entry) {
  Bytes out = entry.key;
  appendBeU24(out, entry.page);
  appendU8(out, entry.row);
  return out;
}

size_t entrySpaceUsed(const std::vector<LeafEntry>& entries) {
  size_t used = 0;
  for (const LeafEntry& entry : entries) used += entry.key.size() + 4;
  return used;
}

}  // namespace

Bytes longKey(int64_t value) {
  uint32_t word = static_cast<uint32_t>(value) ^ 0x80000000u;
  Bytes out{kKeyStart};
  out.push_back(static_cast<uint8_t>(word >> 24));
  appendBeU24(out, word);
  return out;
}

Bytes textKey(const std::u16string& text) {
  Bytes out{kKeyStart};
  for (char16_t c : text) {
    if (c >= u'a' && c <= u'z') out.push_back(kLetterCodes[c - u'a']);
    else if (c >= u'A' && c <= u'Z') out.push_back(kLetterCodes[c - u'A']);
    else throw std::invalid_argument("index keys are written for ASCII letters only");
  }
  out.push_back(0x01);
  out.push_back(0x00);
  return out;
}

Bytes leafPage(uint32_t tdefPage, std::vector<LeafEntry> entries) {
  if (entrySpaceUsed(entries) > kPageSize - kEntryStart) throw std::invalid_argument("index entries overflow one leaf");
  std::vector<Bytes> encoded;
  for (const LeafEntry& entry : entries) encoded.push_back(entryBytes(entry));
  std::sort(encoded.begin(), encoded.end());

  Bytes page(kPageSize, 0);
  page[0] = 0x04;
  page[1] = 0x01;
  putU32(page, 4, tdefPage);
  size_t at = 0;  // relative to the first entry
  for (const Bytes& entry : encoded) {
    putBytes(page, kEntryStart + at, entry);
    at += entry.size();
    page[kBitmapStart + at / 8] |= static_cast<uint8_t>(1u << (at % 8));  // marks each entry's end
  }
  putU16(page, 2, static_cast<uint32_t>(kPageSize - kEntryStart - at));
  return page;
}

}  // namespace jet4
