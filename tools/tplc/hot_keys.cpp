#include "tools/tplc/hot_keys.h"

namespace tplc {

std::string hotKeyName(int32_t index) {
  if (index >= 1 && index <= 26) return std::string("Ctrl+") + static_cast<char>('A' + index - 1);
  if (index >= 27 && index <= 74) {
    static const char* const kPrefixes[] = {"", "Ctrl+", "Shift+", "Ctrl+Shift+"};
    int32_t group = (index - 27) / 12;
    return std::string(kPrefixes[group]) + "F" + std::to_string((index - 27) % 12 + 1);
  }
  if (index == 75) return "Ins";
  if (index == 76) return "Del";
  if (index == 77) return "-";
  return "";
}

int32_t hotKeyIndex(const std::string& name) {
  for (int32_t index = 1; index <= kHotKeyCount; ++index)
    if (hotKeyName(index) == name) return index;
  return 0;
}

}  // namespace tplc
