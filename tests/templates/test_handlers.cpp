#include "test_handlers.h"

namespace {

void answer(lp::HandlerCall* call, uint64_t value) {
  call->returned = 1;
  call->value = value;
}

}  // namespace

void onTestDestroyed(lp::HandlerCall* call) { answer(call, 100); }
void onTestCreated(lp::HandlerCall* call) { answer(call, 101); }
void onTestClicked(lp::HandlerCall* call) { answer(call, 102 + call->args[0]); }
void onTestMenuChosen(lp::HandlerCall* call) { answer(call, 103); }
