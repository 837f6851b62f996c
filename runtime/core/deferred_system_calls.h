// System functions bound on their first call instead of imported. Every DLL
// a program imports is loaded and initialised before it starts (under Wine
// several milliseconds each); these serve only dialogs, the shell, the tray,
// sound and pictures, which a session may never use. A DLL that cannot be
// loaded makes the call fail as the function itself reports failure.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <ole2.h>
#include <shellapi.h>

namespace lp::deferred {

BOOL ChooseColorW(LPCHOOSECOLORW choose);
BOOL ChooseFontW(LPCHOOSEFONTW choose);
BOOL GetOpenFileNameW(LPOPENFILENAMEW names);
BOOL GetSaveFileNameW(LPOPENFILENAMEW names);

BOOL SHGetSpecialFolderPathW(HWND owner, LPWSTR path, int folder, BOOL create);
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show);
BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);

BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags);
MCIERROR mciSendCommandW(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);

HRESULT OleLoadPicture(LPSTREAM stream, LONG size, BOOL runMode, REFIID iid, LPVOID* object);

}  // namespace lp::deferred
