#include "runtime/core/runtime_services.h"

#include <windows.h>

#include "runtime/core/entry_services.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/startup.h"

namespace lp {
namespace {

// Service 0: the next file matching a pattern. The search handle lives in the
// caller's word; INVALID_HANDLE_VALUE there means no search is open yet.
uintptr_t nextMatchingFile(const char* pattern, uint32_t attributes, uintptr_t* handleWord) {
  WIN32_FIND_DATAA data;
  HANDLE handle = reinterpret_cast<HANDLE>(*handleWord);
  for (;;) {
    BOOL found;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
      if (!pattern || !*pattern) return 0;
      handle = FindFirstFileA(pattern, &data);
      *handleWord = reinterpret_cast<uintptr_t>(handle);
      found = handle != INVALID_HANDLE_VALUE;
    } else {
      found = FindNextFileA(handle, &data);
    }
    if (!found) return 0;
    bool isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isDirectory && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) continue;
    if ((data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) & ~attributes) != 0)
      continue;
    return reinterpret_cast<uintptr_t>(copyText(data.cFileName));
  }
}

}  // namespace

uintptr_t runtimeService(int32_t number, uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) {
  switch (number) {
    case kServiceNextFile:
      return nextMatchingFile(reinterpret_cast<const char*>(a), static_cast<uint32_t>(b),
                              reinterpret_cast<uintptr_t*>(d));
    case kServiceCloseFind: {
      HANDLE handle = reinterpret_cast<HANDLE>(a);
      if (handle && handle != INVALID_HANDLE_VALUE) FindClose(handle);
      return 0;
    }
    case kServiceMakePrivate:
      makePrivate(static_cast<int32_t>(a), reinterpret_cast<void**>(b));
      return 0;
    case kServiceRegisterCleanup:
      runtime().cleanup = reinterpret_cast<CleanupRoutine>(a);
      return 0;
    case kServiceInitialise:
      initialiseRuntime();
      return 0;
    default:
      // Typed compound properties (4, 5): no component of this program has them.
      return 0;
  }
}

}  // namespace lp
