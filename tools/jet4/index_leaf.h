// Index leaf pages (type 04) and the sort keys stored in them. Only what the
// system-table indexes need: whole-number keys and text keys of ASCII letters.
#pragma once

#include "tools/jet4/byte_buffer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jet4 {

// A Long Integer key: big-endian with the sign bit flipped, so that bytes
// compare like the numbers.
Bytes longKey(int64_t value);

// A Text key in the general sort order: one code per letter, case folded.
// Throws std::invalid_argument for any character but A-Z and a-z, whose
// codes we have not confirmed.
Bytes textKey(const std::u16string& text);

struct LeafEntry {
  Bytes key;  // the column keys, concatenated
  uint32_t page = 0;
  uint8_t row = 0;
};

// One leaf holding every entry, sorted; throws if they do not fit.
Bytes leafPage(uint32_t tdefPage, std::vector<LeafEntry> entries);

}  // namespace jet4
