#include "tests/reader_driving/user_objects.h"

namespace drive {

namespace {

struct Tally {
  DWORD processId;
  DWORD objects = 0;
};

BOOL CALLBACK countWindow(HWND window, LPARAM tallyAddress) {
  auto& tally = *reinterpret_cast<Tally*>(tallyAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != tally.processId) return TRUE;
  ++tally.objects;
  // A child window's menu word is its control id.
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && GetMenu(window)) ++tally.objects;
  return TRUE;
}

// A window of another process may hold children of this one, so every
// root's descendants are looked at.
void countTree(HWND root, Tally& tally) {
  countWindow(root, reinterpret_cast<LPARAM>(&tally));
  EnumChildWindows(root, countWindow, reinterpret_cast<LPARAM>(&tally));
}

BOOL CALLBACK countTopLevelTree(HWND window, LPARAM tallyAddress) {
  countTree(window, *reinterpret_cast<Tally*>(tallyAddress));
  return TRUE;
}

}  // namespace

DWORD countUserObjects(DWORD processId) {
  Tally tally{processId};
  EnumWindows(countTopLevelTree, reinterpret_cast<LPARAM>(&tally));
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
    countTree(window, tally);
  }
  return tally.objects;
}

}  // namespace drive
