// The window's icons (from the Icon property, else the program's own) and
// staying on top.
#include "runtime/components/library_link.h"
#include "runtime/components/window_object.h"

namespace lp {
namespace {

// An icon file: the directory entry whose width is closest to the size asked
// for, its image made into an icon of that size.
HICON iconFromFile(const std::vector<uint8_t>& bytes, int size) {
  if (bytes.size() < 6 || bytes[0] != 0 || bytes[1] != 0 || bytes[2] != 1 || bytes[3] != 0) return nullptr;
  const int count = bytes[4] | bytes[5] << 8;
  int best = -1, bestDistance = 1 << 30;
  for (int i = 0; i < count; ++i) {
    const size_t entry = 6 + static_cast<size_t>(i) * 16;
    if (entry + 16 > bytes.size()) return nullptr;
    const int w = bytes[entry] ? bytes[entry] : 256;
    const int distance = w > size ? w - size : size - w;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  if (best < 0) return nullptr;
  const size_t entry = 6 + static_cast<size_t>(best) * 16;
  const uint32_t length = bytes[entry + 8] | bytes[entry + 9] << 8 | bytes[entry + 10] << 16 |
                          static_cast<uint32_t>(bytes[entry + 11]) << 24;
  const uint32_t offset = bytes[entry + 12] | bytes[entry + 13] << 8 | bytes[entry + 14] << 16 |
                          static_cast<uint32_t>(bytes[entry + 15]) << 24;
  if (offset >= bytes.size() || length > bytes.size() - offset) return nullptr;
  return CreateIconFromResourceEx(const_cast<BYTE*>(bytes.data() + offset), length, TRUE, 0x00030000, size, size,
                                  LR_DEFAULTCOLOR);
}

}  // namespace

void applyIcons(WindowObject& w) {
  HICON big = iconFromFile(w.data.icon, GetSystemMetrics(SM_CXICON));
  HICON small = iconFromFile(w.data.icon, GetSystemMetrics(SM_CXSMICON));
  HICON shownBig = big, shownSmall = small;
  if (!shownBig || !shownSmall) {
    HICON program[2] = {nullptr, nullptr};
    callRuntime(kSvcProgramIcons, reinterpret_cast<uintptr_t>(program));
    if (!shownBig) shownBig = program[0];
    if (!shownSmall) shownSmall = program[1];
  }
  SendMessageW(w.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(shownBig));
  SendMessageW(w.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(shownSmall));
  if (w.bigIcon) DestroyIcon(w.bigIcon);
  if (w.smallIcon) DestroyIcon(w.smallIcon);
  w.bigIcon = big;
  w.smallIcon = small;
}

void applyAlwaysOnTop(WindowObject& w) {
  SetWindowPos(w.window, w.data.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (w.data.alwaysOnTop) return;
  // Leaving the top layer must not take the program's other top windows along.
  for (uintptr_t i = 0;; ++i) {
    const uint32_t id = static_cast<uint32_t>(callRuntime(kSvcWindowAt, i));
    if (!id) break;
    auto* other = reinterpret_cast<ComponentObject*>(callRuntime(kSvcFindComponent, id, 0));
    WindowObject* o = other ? windowObjectOf(other->window) : nullptr;
    if (o && o != &w && o->data.alwaysOnTop)
      SetWindowPos(o->window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

}  // namespace lp
