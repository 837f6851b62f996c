#include "runtime/components/window_class.h"

namespace lp {

bool ensureWindowClass(const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, name, &existing)) return true;
  WNDCLASSW wc = {};
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassW(&wc) != 0;
}

}  // namespace lp
