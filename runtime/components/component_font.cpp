#include "runtime/components/component_font.h"

#include <cstring>

#include "runtime/components/font_record.h"

namespace lp {

static_assert(sizeof(LOGFONTA) == kFontRecordSize, "font buffers are LOGFONTA records");

HFONT createFontFromBuffer(const uint8_t* data, size_t size) {
  if (!data || !isFont(size)) return nullptr;
  LOGFONTA font;
  std::memcpy(&font, data, sizeof font);
  font.lfFaceName[LF_FACESIZE - 1] = 0;
  return CreateFontIndirectA(&font);
}

void applyFont(HWND window, const std::vector<uint8_t>& buffer, HFONT& owned) {
  HFONT created = createFontFromBuffer(buffer.data(), buffer.size());
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(fontOrDefault(created)), TRUE);
  if (owned) DeleteObject(owned);
  owned = created;
}

}  // namespace lp
