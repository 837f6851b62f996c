// Resolving DLL commands by file and export name.
#include <gtest/gtest.h>

#include "runtime/core/dll_commands.h"

namespace {

TEST(DllCommands, AnEmptyFileNameSearchesTheSystemLibrariesInOrder) {
  HMODULE module = nullptr;
  EXPECT_NE(lp::resolveDllExport("", "GetTickCount", &module), nullptr);
  EXPECT_EQ(module, GetModuleHandleA("kernel32.dll"));
  FreeLibrary(module);
  EXPECT_NE(lp::resolveDllExport("", "CreatePen", &module), nullptr);
  EXPECT_EQ(module, GetModuleHandleA("gdi32.dll"));
  FreeLibrary(module);
  EXPECT_EQ(lp::resolveDllExport("", "NoSuchExportAnywhere", &module), nullptr);
  EXPECT_EQ(module, nullptr);
}

TEST(DllCommands, NamedFilesAndOrdinals) {
  HMODULE module = nullptr;
  EXPECT_NE(lp::resolveDllExport("user32.dll", "MessageBoxA", &module), nullptr);
  FreeLibrary(module);
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  std::string full = std::string(system) + "\\user32.dll";
  EXPECT_NE(lp::resolveDllExport(full.c_str(), "MessageBoxA", &module), nullptr);
  FreeLibrary(module);
  EXPECT_EQ(lp::resolveDllExport("C:\\no\\such.dll", "MessageBoxA", &module), nullptr);
  // "#n" names an export by ordinal: find one that a name also reaches.
  HMODULE user = LoadLibraryA("user32.dll");
  FARPROC byName = GetProcAddress(user, "MessageBoxA");
  for (int ordinal = 1; ordinal < 3000; ++ordinal) {
    if (GetProcAddress(user, MAKEINTRESOURCEA(ordinal)) == byName) {
      std::string name = "#" + std::to_string(ordinal);
      EXPECT_EQ(lp::resolveDllExport("user32.dll", name.c_str(), &module), byName);
      FreeLibrary(module);
      break;
    }
  }
  FreeLibrary(user);
}

}  // namespace
