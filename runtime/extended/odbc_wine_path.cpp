#include "runtime/extended/odbc_wine_path.h"

#include <windows.h>

#include <vector>

namespace lp {

typedef char*(CDECL* UnixFileNameFn)(const WCHAR* dosPath);

static UnixFileNameFn unixFileNameFunction() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return nullptr;
  return reinterpret_cast<UnixFileNameFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
}

static std::string translateToHostPath(const std::string& windowsPath) {
  UnixFileNameFn unixFileName = unixFileNameFunction();
  if (!unixFileName) return "";
  // Paths inside the runtime are GBK; the export takes a wide path.
  int n = MultiByteToWideChar(936, 0, windowsPath.c_str(), -1, nullptr, 0);
  if (n <= 0) return "";
  std::vector<WCHAR> wide(n);
  MultiByteToWideChar(936, 0, windowsPath.c_str(), -1, wide.data(), n);
  char* hostPath = unixFileName(wide.data());
  if (!hostPath) return "";
  std::string result = hostPath;
  HeapFree(GetProcessHeap(), 0, hostPath);
  return result;
}

HostPathTranslator wineHostPathTranslator() {
  return unixFileNameFunction() ? translateToHostPath : nullptr;
}

}  // namespace lp
