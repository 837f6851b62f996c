#include "runtime/components/stored_texts.h"

#include "runtime/components/font_record.h"

namespace lp {

void visitFaceName(std::vector<uint8_t>& font, const TextVisitor& visit) {
  FontRecord record;
  if (!decodeFont(font, record)) return;
  const std::string before = faceName(record);
  std::string name = before;
  visit(name, true);
  if (name == before) return;  // keeps the bytes after the zero as they were
  setFaceName(record, name);
  font = encodeFont(record);
}

}  // namespace lp
