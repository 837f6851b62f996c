// DoEvents: lets waiting messages run, e.g. inside a long record-reading loop.
#include "runtime/core/desktop_commands.h"
#include "runtime/core/runtime_state.h"

namespace lp {

void cmdDoEvents(ValueRecord*, int32_t, ValueRecord*) { processWaitingMessages(); }

}  // namespace lp
