// Menu hot keys by name, as the menu shows them after a tab: index 1..77 of
// the menu hot-key table (Ctrl+A..Ctrl+Z, F1..F12, Ctrl+F1.., Shift+F1..,
// Ctrl+Shift+F1.., Ins, Del, and "-" for a name without a key).
#pragma once
#include <cstdint>
#include <string>

namespace tplc {

constexpr int32_t kHotKeyCount = 77;

// The name of index 1..77; empty for any other index.
std::string hotKeyName(int32_t index);
// The index of a name (exact spelling); 0 when there is no such hot key.
int32_t hotKeyIndex(const std::string& name);

}  // namespace tplc
