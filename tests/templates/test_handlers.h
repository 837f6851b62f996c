// The handlers of the test template: each records its number in the call,
// so a test can tell which one a fixed-up address reached.
#pragma once
#include "runtime/core/event_dispatch.h"

extern "C" {
void onTestDestroyed(lp::HandlerCall* call);
void onTestCreated(lp::HandlerCall* call);
void onTestClicked(lp::HandlerCall* call);
void onTestMenuChosen(lp::HandlerCall* call);
}
