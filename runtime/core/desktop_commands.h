// The Core Library's clipboard, message box and message processing commands.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// (text) -> logical; the clipboard holds the text as CF_TEXT and CF_UNICODETEXT
void cmdSetClipboardText(ValueRecord* result, int32_t argCount, ValueRecord* args);
// (content, flags, caption? "信息：") -> integer: OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6
void cmdInfoBox(ValueRecord* result, int32_t argCount, ValueRecord* args);
// () processes the waiting messages, leaving a WM_QUIT in the queue
void cmdDoEvents(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace lp
