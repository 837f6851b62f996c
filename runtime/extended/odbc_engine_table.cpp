// The engine's published entry table. The hashes are filled in once while
// the program starts.
#include <cstring>

#include "runtime/extended/odbc_engine.h"
#include "runtime/extended/odbc_engine_entries.h"
#include "runtime/extended/odbc_name_hash.h"

namespace lp {

#define LP_ENGINE_ENTRY(name) {#name, 0, reinterpret_cast<EngineEntryPoint>(&engine::name)}

static EngineEntry entries[] = {
    LP_ENGINE_ENTRY(ReadColByIndex),  LP_ENGINE_ENTRY(ReadColByName),
    LP_ENGINE_ENTRY(MoveNext),        LP_ENGINE_ENTRY(MovePrev),
    LP_ENGINE_ENTRY(IsBOF),           LP_ENGINE_ENTRY(IsEOF),
    LP_ENGINE_ENTRY(ExecuteSql),      LP_ENGINE_ENTRY(MoveFirst),
    LP_ENGINE_ENTRY(MoveLast),        LP_ENGINE_ENTRY(OpenTable),
    LP_ENGINE_ENTRY(OpenTableToModi), LP_ENGINE_ENTRY(CloseTable),
    LP_ENGINE_ENTRY(Requery),         LP_ENGINE_ENTRY(OpenDatabase),
    LP_ENGINE_ENTRY(NewOpenDatabase), LP_ENGINE_ENTRY(CloseDatabase),
    LP_ENGINE_ENTRY(GetConnectString), LP_ENGINE_ENTRY(BeginTrans),
    LP_ENGINE_ENTRY(RollbackTrans),   LP_ENGINE_ENTRY(CommitTrans),
    LP_ENGINE_ENTRY(BDGetRecCount),   LP_ENGINE_ENTRY(BDGetColCount),
    LP_ENGINE_ENTRY(BDGetColText),    LP_ENGINE_ENTRY(BDGetColSQLType),
    LP_ENGINE_ENTRY(BDSetColText),    LP_ENGINE_ENTRY(BDAppendBlank),
    LP_ENGINE_ENTRY(BDRemove),        LP_ENGINE_ENTRY(BDZap),
    LP_ENGINE_ENTRY(BDGetColName),    LP_ENGINE_ENTRY(BDGetColWidth),
    LP_ENGINE_ENTRY(EmptyVar),
};

#undef LP_ENGINE_ENTRY

constexpr int32_t kEntryCount = static_cast<int32_t>(sizeof entries / sizeof entries[0]);
static_assert(kEntryCount == 31, "the engine publishes 31 entry points");

static const bool hashesReady = [] {
  for (EngineEntry& e : entries) e.hash = engineNameHash(e.name);
  return true;
}();

const EngineEntry* engineEntries(int32_t* count) {
  if (count) *count = kEntryCount;
  return entries;
}

EngineEntryPoint findEngineEntry(const char* name) {
  if (!name) return nullptr;
  const int32_t hash = engineNameHash(name);
  for (const EngineEntry& e : entries) {
    if (e.hash == hash && std::strcmp(e.name, name) == 0) return e.entry;
  }
  return nullptr;
}

}  // namespace lp
