#include "runtime/core/message_pump.h"

#include <vector>

namespace lp {

namespace {

struct Registered {
  HWND window;
  const PreTranslator* hook;
};

// Kept here rather than as window properties: a property lookup is a server
// round trip under Wine, and this runs for every message.
std::vector<Registered>& registered() {
  static std::vector<Registered> all;
  return all;
}

const PreTranslator* hookOf(HWND window) {
  for (const Registered& r : registered())
    if (r.window == window) return r.hook;
  return nullptr;
}

// Offers the message to the pre-translators of the target's top-level window
// and of every window on the way up to it.
bool preTranslate(MSG* msg) {
  if (registered().empty()) return false;
  const HWND desktop = GetDesktopWindow();
  for (HWND w = msg->hwnd; w && w != desktop; w = GetAncestor(w, GA_PARENT)) {
    if (const PreTranslator* hook = hookOf(w)) {
      if (hook->preTranslate(hook->self, msg)) return true;
    }
  }
  return false;
}

}  // namespace

void setPreTranslator(HWND window, const PreTranslator* hook) {
  std::vector<Registered>& all = registered();
  for (auto it = all.begin(); it != all.end(); ++it) {
    if (it->window != window) continue;
    if (hook) {
      it->hook = hook;
    } else {
      all.erase(it);
    }
    return;
  }
  if (hook) all.push_back({window, hook});
}

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
