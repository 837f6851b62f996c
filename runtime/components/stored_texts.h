// Text conversion support: every data object can hand each text it stores to
// a visitor, which may rewrite it in place. The face name inside a 60-byte
// font record is handed over with faceName set. Converting the texts of a
// property data block is then: read, visit, write.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lp {

using TextVisitor = std::function<void(std::string& text, bool faceName)>;

// Hands the face name of a 60-byte font buffer to the visitor and stores the
// result back (at most 31 bytes); other buffers are left alone.
void visitFaceName(std::vector<uint8_t>& font, const TextVisitor& visit);

// Reads a block into a scratch data object, visits its texts and writes it
// again. False, with out untouched, when the block cannot be read.
template <class Data>
bool convertBlockTexts(const uint8_t* block, size_t size, const TextVisitor& visit,
                       std::vector<uint8_t>& out) {
  Data data;
  if (!data.read(block, size)) return false;
  data.visitTexts(visit);
  out = data.write();
  return true;
}

}  // namespace lp
