// Pumping one message: get, pre-translate, translate, dispatch.
#pragma once
#include <windows.h>

namespace lp {

// A top-level window that wants to see every message addressed to it or to
// one of its descendants before dispatch stores one of these as a window
// property (kPreTranslateProperty). The hook returns true when it consumed
// the message.
struct PreTranslator {
  bool (*preTranslate)(void* self, MSG* msg);
  void* self;
};
extern const char kPreTranslateProperty[];

// Returns false when the message fetched was WM_QUIT.
bool pumpMessage();
// Whether a message resets the idle count (mouse moves and timer ticks do not).
bool resetsIdle(const MSG& msg);

}  // namespace lp
