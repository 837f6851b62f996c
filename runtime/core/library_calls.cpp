#include "runtime/core/library_calls.h"

#include "runtime/core/library_service.h"
#include "runtime/core/runtime_state.h"

namespace lp {

void notifyLibrariesOfStart() {
  RuntimeState& state = runtime();
  for (uint32_t i = 0; i < state.libraryCount; ++i) {
    const LibraryInfo* library = state.libraries[i];
    if (library && library->notify) {
      library->notify(1, reinterpret_cast<uintptr_t>(&libraryService), 0);
    }
  }
  state.libraryData.assign(state.libraryCount, 0);
}

void notifyLibrariesOfShutdown() {
  RuntimeState& state = runtime();
  for (uint32_t i = 0; i < state.libraryCount; ++i) {
    const LibraryInfo* library = state.libraries[i];
    if (library && library->notify) {
      library->notify(6, i < state.libraryData.size() ? state.libraryData[i] : 0, 0);
    }
  }
}

}  // namespace lp
