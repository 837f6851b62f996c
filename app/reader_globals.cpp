#include "app/reader_globals.h"

#include <cstring>

#include "runtime/core/entry_services.h"

namespace reader {

Globals& globals() {
  static Globals g = {nullptr, nullptr, nullptr};
  return g;
}

LayoutEntry* layoutEntries() {
  // Array block: dimension count, the one size, then the elements.
  return reinterpret_cast<LayoutEntry*>(static_cast<char*>(globals().layoutTable) + 8);
}

void initialiseGlobals() {
  const lp::EntryServices& rt = lp_entry_services;
  const int32_t bytes = 8 + kLayoutEntries * static_cast<int32_t>(sizeof(LayoutEntry));
  auto* block = static_cast<int32_t*>(rt.allocate(bytes));
  block[0] = 1;
  block[1] = kLayoutEntries;
  std::memset(block + 2, 0, kLayoutEntries * sizeof(LayoutEntry));
  globals().layoutTable = block;
}

void releaseGlobals() {
  const lp::EntryServices& rt = lp_entry_services;
  Globals& g = globals();
  rt.free(g.layoutTable);
  rt.free(g.fullBookList);
  rt.free(g.skinName);
  g = {nullptr, nullptr, nullptr};
}

}  // namespace reader
