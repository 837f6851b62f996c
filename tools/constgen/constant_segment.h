// The constant segment as it is built: blocks appended one after another,
// each starting at a multiple of 4 bytes, in the layouts the runtime reads
// (zero-terminated texts, byte-sets {1, n, bytes}).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lp::constgen {

struct Segment {
  std::vector<uint8_t> bytes;
};

// Each returns the offset of the new block.
uint32_t addText(Segment& segment, const std::string& text);
uint32_t addByteSet(Segment& segment, const std::vector<uint8_t>& bytes);

struct NamedOffset {
  std::string name;
  uint32_t offset;
};

// C++ header text naming the offset of each constant in the segment.
std::string layoutHeader(const std::vector<NamedOffset>& offsets, uint32_t segmentLength);

}  // namespace lp::constgen
