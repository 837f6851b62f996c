#include "runtime/core/dll_commands.h"

#include <cstdlib>
#include <string>

#include "runtime/core/error_report.h"
#include "runtime/core/runtime_state.h"

namespace lp {
namespace {

std::string g_firstDirectory;
std::string g_secondDirectory;

FARPROC lookUp(HMODULE module, const char* exportName) {
  if (exportName[0] == '#') {
    // An ordinal: the decimal number after "#", low 16 bits.
    unsigned long ordinal = std::strtoul(exportName + 1, nullptr, 10) & 0xFFFFu;
    return GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
  }
  return GetProcAddress(module, exportName);
}

FARPROC tryModule(const std::string& path, const char* exportName, HMODULE* module) {
  HMODULE m = LoadLibraryA(path.c_str());
  if (!m) return nullptr;
  if (FARPROC f = lookUp(m, exportName)) {
    *module = m;
    return f;
  }
  FreeLibrary(m);
  return nullptr;
}

std::string joined(const std::string& folder, const char* file) {
  if (folder.empty()) return std::string();
  std::string path = folder;
  if (path.back() != '\\') path += '\\';
  return path + file;
}

typedef uintptr_t(WINAPI* Fn0)();
template <typename... W>
uintptr_t callWith(FARPROC f, W... words) {
  return reinterpret_cast<uintptr_t(WINAPI*)(W...)>(reinterpret_cast<void*>(f))(words...);
}

uintptr_t callWords(FARPROC f, int32_t n, const uintptr_t* a) {
  switch (n) {
    case 0: return reinterpret_cast<Fn0>(f)();
    case 1: return callWith(f, a[0]);
    case 2: return callWith(f, a[0], a[1]);
    case 3: return callWith(f, a[0], a[1], a[2]);
    case 4: return callWith(f, a[0], a[1], a[2], a[3]);
    case 5: return callWith(f, a[0], a[1], a[2], a[3], a[4]);
    case 6: return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5]);
    case 7: return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
    case 8: return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    case 9: return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
    case 10: return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
    case 11: return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10]);
    case 12:
      return callWith(f, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11]);
    default:
      reportError("调用DLL命令的参数过多", 0);
  }
}

}  // namespace

void setDllDirectories(const char* first, const char* second) {
  g_firstDirectory = first ? first : "";
  g_secondDirectory = second ? second : "";
}

FARPROC resolveDllExport(const char* fileName, const char* exportName, HMODULE* module) {
  *module = nullptr;
  if (!fileName || !*fileName) {
    static const char* const kSystemDlls[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                              "Advapi32.dll", "Mpr.dll", "Shell32.dll"};
    for (const char* dll : kSystemDlls) {
      if (FARPROC f = tryModule(dll, exportName, module)) return f;
    }
    return nullptr;
  }
  std::string name(fileName);
  if (name.find(':') != std::string::npos) return tryModule(name, exportName, module);
  const std::string candidates[] = {joined(g_firstDirectory, fileName),
                                    joined(runtime().programDirectory, fileName),
                                    joined(g_secondDirectory, fileName), name};
  for (const std::string& path : candidates) {
    if (path.empty()) continue;
    if (FARPROC f = tryModule(path, exportName, module)) return f;
  }
  return nullptr;
}

uintptr_t callDllCommand(int32_t index, int32_t argCount, const uintptr_t* args) {
  auto& commands = runtime().dllCommands;
  if (index < 0 || static_cast<size_t>(index) >= commands.size()) {
    reportErrorByCode(1);
  }
  DllCommand& command = commands[static_cast<size_t>(index)];
  if (!command.address) {
    HMODULE module = nullptr;
    command.address = resolveDllExport(command.fileName, command.exportName, &module);
    if (!command.address) {
      std::string message;
      if (command.fileName && *command.fileName) {
        message = std::string("无法找到指定DLL库文件“") + command.fileName + "”中的输出命令“" +
                  command.exportName + "”";
      } else {
        message = std::string("无法找到指定DLL库文件中的输出命令“") + command.exportName + "”";
      }
      reportError(message.c_str(), 0);
    }
    command.module = module;
  }
  return callWords(command.address, argCount, args);
}

}  // namespace lp
