// DLL commands: external functions the program declares, resolved on first
// call by file and export name and cached for the rest of the run.
#pragma once
#include <windows.h>
#include <cstdint>

namespace lp {

// Resolves command `index` (raising the report when the export cannot be
// found) and calls it with the words given (stdcall, at most 16).
uintptr_t callDllCommand(int32_t index, int32_t argCount, const uintptr_t* args);

// The resolution rules, for one file name and export name. Returns the
// address and the module that holds it, or null.
FARPROC resolveDllExport(const char* fileName, const char* exportName, HMODULE* module);

// Folders searched for a file name without ":" besides the program folder.
void setDllDirectories(const char* first, const char* second);

}  // namespace lp
