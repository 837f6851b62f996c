#include "tests/reader_driving/gdi_handle_table.h"

#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace drive {

namespace {

// Where the PEB keeps the table's address.
constexpr uintptr_t kTableFieldInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
// A handle's low word indexes the table, so it never has more entries.
constexpr size_t kEntries = 0x10000;
// The upper word of a stock object's handle has this bit set.
constexpr uint16_t kStockBit = 0x80;

// An entry is {kernel address, owner process, count, handle's upper word,
// type, user address}: 16 bytes where the kernel is 32-bit, 24 where it is
// 64-bit (as under WOW64, and as under Wine in either bitness).
struct Layout {
  size_t entrySize;
  size_t ownerAt, upperAt, typeAt;
  // Whether the system writes the owner's id into each entry (one table for
  // all processes) or leaves it 0 (a table of the process's own).
  bool stampsOwner;
};
constexpr Layout kCandidates[] = {{16, 4, 8, 10, false}, {24, 8, 12, 14, false}};

uint16_t word(const unsigned char* at) {
  uint16_t w;
  std::memcpy(&w, at, sizeof w);
  return w;
}

uintptr_t tableAddress(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic = {};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
  uintptr_t table = 0;
  const auto field = reinterpret_cast<uintptr_t>(basic.PebBaseAddress) + kTableFieldInPeb;
  if (!ReadProcessMemory(process, reinterpret_cast<LPCVOID>(field), &table, sizeof table, nullptr)) return 0;
  return table;
}

std::vector<unsigned char> readEntries(HANDLE process, uintptr_t table, size_t first, size_t count, size_t size) {
  std::vector<unsigned char> bytes(count * size);
  if (!table || !ReadProcessMemory(process, reinterpret_cast<LPCVOID>(table + first * size), bytes.data(),
                                   bytes.size(), nullptr)) {
    bytes.clear();
  }
  return bytes;
}

// Whether a layout finds the object behind `handle` in this process's own
// table, live, with the handle's upper word.
bool findsLiveObject(const Layout& layout, uintptr_t ownTable, HGDIOBJ handle) {
  const auto value = reinterpret_cast<uintptr_t>(handle);
  const auto entry = readEntries(GetCurrentProcess(), ownTable, value & 0xFFFF, 1, layout.entrySize);
  return !entry.empty() && entry[layout.typeAt] != 0 && word(&entry[layout.upperAt]) == ((value >> 16) & 0xFFFF);
}

// The layout is learned from this process's own table: the one under which
// two fresh objects are found live and then gone once deleted. The table's
// form is the system's, so the same layout reads every process of the same
// bitness.
std::optional<Layout> learnLayout() {
  const uintptr_t ownTable = tableAddress(GetCurrentProcess());
  if (!ownTable) return std::nullopt;
  const HGDIOBJ objects[] = {CreatePen(PS_SOLID, 1, RGB(1, 2, 3)), CreateSolidBrush(RGB(3, 2, 1))};
  std::optional<Layout> found;
  for (const Layout& candidate : kCandidates) {
    if (objects[0] && objects[1] && findsLiveObject(candidate, ownTable, objects[0]) &&
        findsLiveObject(candidate, ownTable, objects[1])) {
      found = candidate;
      break;
    }
  }
  if (found) {
    const auto entry = readEntries(GetCurrentProcess(), ownTable, reinterpret_cast<uintptr_t>(objects[0]) & 0xFFFF,
                                   1, found->entrySize);
    const uint16_t owner = word(&entry[found->ownerAt]);
    if (owner == (GetCurrentProcessId() & 0xFFFF)) {
      found->stampsOwner = true;
    } else if (owner != 0) {
      found.reset();
    }
  }
  for (HGDIOBJ object : objects) DeleteObject(object);
  for (HGDIOBJ object : objects) {
    if (found && findsLiveObject(*found, ownTable, object)) found.reset();
  }
  return found;
}

}  // namespace

std::optional<GdiObjectKinds> countGdiObjectsByKind(HANDLE process, DWORD processId) {
  static const std::optional<Layout> layout = learnLayout();
  if (!layout) return std::nullopt;
  const auto entries = readEntries(process, tableAddress(process), 0, kEntries, layout->entrySize);
  if (entries.empty()) return std::nullopt;
  GdiObjectKinds kinds;
  for (size_t at = 0; at < entries.size(); at += layout->entrySize) {
    const unsigned char* entry = &entries[at];
    if (entry[layout->typeAt] == 0 || (word(entry + layout->upperAt) & kStockBit) != 0) continue;
    if (layout->stampsOwner && word(entry + layout->ownerAt) != (processId & 0xFFFF)) continue;
    ++kinds[entry[layout->typeAt]];
  }
  return kinds;
}

std::string gdiKindName(unsigned kind) {
  // As Wine numbers them (the tables read here are Wine's); the table keeps
  // the base type, so pens share the brushes' type.
  const char* name = kind == 0x01   ? "DC"
                     : kind == 0x04 ? "region"
                     : kind == 0x08 ? "palette"
                     : kind == 0x09 ? "bitmap"
                     : kind == 0x0a ? "font"
                     : kind == 0x10 ? "brush or pen"
                                    : "other";
  char code[8];
  std::snprintf(code, sizeof code, "0x%02x", kind);
  return std::string(name) + " (" + code + ")";
}

}  // namespace drive
