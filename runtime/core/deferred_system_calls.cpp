#include "runtime/core/deferred_system_calls.h"

#include <olectl.h>
#include <shlobj.h>

namespace lp::deferred {
namespace {

// The function's address, looked up once; the DLL stays loaded for the rest
// of the process, as an imported one would.
template <class Function>
Function bound(const wchar_t* dll, const char* name) {
  HMODULE module = LoadLibraryW(dll);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

BOOL ChooseColorW(LPCHOOSECOLORW choose) {
  static const auto fn = bound<decltype(&::ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
  return fn ? fn(choose) : FALSE;
}

BOOL ChooseFontW(LPCHOOSEFONTW choose) {
  static const auto fn = bound<decltype(&::ChooseFontW)>(L"comdlg32.dll", "ChooseFontW");
  return fn ? fn(choose) : FALSE;
}

BOOL GetOpenFileNameW(LPOPENFILENAMEW names) {
  static const auto fn = bound<decltype(&::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  return fn ? fn(names) : FALSE;
}

BOOL GetSaveFileNameW(LPOPENFILENAMEW names) {
  static const auto fn = bound<decltype(&::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  return fn ? fn(names) : FALSE;
}

BOOL SHGetSpecialFolderPathW(HWND owner, LPWSTR path, int folder, BOOL create) {
  static const auto fn = bound<decltype(&::SHGetSpecialFolderPathW)>(L"shell32.dll", "SHGetSpecialFolderPathW");
  return fn ? fn(owner, path, folder, create) : FALSE;
}

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show) {
  static const auto fn = bound<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  // Values up to 32 are failures; this one says a DLL was missing.
  return fn ? fn(owner, verb, file, parameters, directory, show)
            : reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
  static const auto fn = bound<decltype(&::Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
  return fn ? fn(message, data) : FALSE;
}

BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags) {
  static const auto fn = bound<decltype(&::PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  return fn ? fn(sound, module, flags) : FALSE;
}

MCIERROR mciSendCommandW(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
  static const auto fn = bound<decltype(&::mciSendCommandW)>(L"winmm.dll", "mciSendCommandW");
  return fn ? fn(device, message, flags, parameters) : MCIERR_CANNOT_LOAD_DRIVER;
}

HRESULT OleLoadPicture(LPSTREAM stream, LONG size, BOOL runMode, REFIID iid, LPVOID* object) {
  static const auto fn = bound<decltype(&::OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
  if (!fn) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  return fn(stream, size, runMode, iid, object);
}

}  // namespace lp::deferred
