#include "runtime/extended/odbc_wine_path.h"

#include <windows.h>

#include "runtime/core/gbk.h"

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
  std::wstring wide = gbkToWide(windowsPath);
  char* hostPath = unixFileName(wide.c_str());
  if (!hostPath) return "";
  std::string result = hostPath;
  HeapFree(GetProcessHeap(), 0, hostPath);
  return result;
}

HostPathTranslator wineHostPathTranslator() {
  return unixFileNameFunction() ? translateToHostPath : nullptr;
}

}  // namespace lp
