// Pumping one message: get, pre-translate, translate, dispatch.
#pragma once
#include <windows.h>

#include "runtime/core/library_service.h"

namespace lp {

// Sets (or with null, removes) the pre-translator of a top-level window.
void setPreTranslator(HWND window, const PreTranslator* hook);
// Returns false when the message fetched was WM_QUIT.
bool pumpMessage();
// Whether a message resets the idle count (mouse moves and timer ticks do not).
bool resetsIdle(const MSG& msg);

}  // namespace lp
