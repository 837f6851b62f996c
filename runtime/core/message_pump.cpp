#include "runtime/core/message_pump.h"

namespace lp {

const char kPreTranslateProperty[] = "LumenPathPreTranslate";

namespace {

// Offers the message to the pre-translators of the target's top-level window
// and of every window on the way up to it.
bool preTranslate(MSG* msg) {
  for (HWND w = msg->hwnd; w; w = GetAncestor(w, GA_PARENT)) {
    if (w == GetDesktopWindow()) break;
    if (auto* hook = static_cast<PreTranslator*>(GetPropA(w, kPreTranslateProperty))) {
      if (hook->preTranslate(hook->self, msg)) return true;
    }
  }
  return false;
}

}  // namespace

bool pumpMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
  if (!preTranslate(&msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

bool resetsIdle(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_TIMER:
    case WM_PAINT:
    case 0x0118:  // the caret blink timer
      return false;
    default:
      return true;
  }
}

}  // namespace lp
