#include "runtime/components/component_entries.h"

namespace lp {

HGLOBAL globalBlock(const std::vector<uint8_t>& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
  if (!block) return nullptr;
  if (!bytes.empty()) {
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
  }
  return block;
}

void* entryOf(const ComponentEntries& entries, int32_t number) {
  switch (number) {
    case kEntryCreate: return reinterpret_cast<void*>(entries.create);
    case kEntrySetProperty: return reinterpret_cast<void*>(entries.setProperty);
    case kEntryGetAllPropertyData: return reinterpret_cast<void*>(entries.getAllPropertyData);
    case kEntryGetProperty: return reinterpret_cast<void*>(entries.getProperty);
    case kEntryConvertTexts: return reinterpret_cast<void*>(entries.convertTexts);
    case kEntryWantsKey: return reinterpret_cast<void*>(entries.wantsKey);
    case kEntryGetIconData: return reinterpret_cast<void*>(entries.getIconData);
    case kEntryIsDefaultButton: return reinterpret_cast<void*>(entries.isDefaultButton);
    default: return nullptr;
  }
}

}  // namespace lp
