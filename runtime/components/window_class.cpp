#include "runtime/components/window_class.h"

#include "runtime/components/object_link.h"

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

bool makeChildWindow(ComponentObject& object, const wchar_t* className, const std::wstring& caption, DWORD style,
                     DWORD extendedStyle, const ChildPlacement& at) {
  object.window = CreateWindowExW(extendedStyle, className, caption.c_str(), style, at.left, at.top, at.width,
                                  at.height, at.parent, reinterpret_cast<HMENU>(static_cast<uintptr_t>(at.controlId)),
                                  GetModuleHandleW(nullptr), nullptr);
  if (!object.window) return false;
  linkObject(object.window, &object);
  return true;
}

}  // namespace lp
