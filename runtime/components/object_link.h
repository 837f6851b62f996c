// The live object behind a component's Win32 window, kept in the window's
// user data. A window property would do too, but under Wine every property
// lookup is a server round trip, and the lookup runs for every message the
// window gets and every command on it.
#pragma once
#include <windows.h>

namespace lp {

inline void linkObject(HWND window, void* object) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

inline void unlinkObject(HWND window) { linkObject(window, nullptr); }

template <class Object>
Object* linkedObject(HWND window) {
  return window ? reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

}  // namespace lp
