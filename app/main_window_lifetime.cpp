#include "app/main_window_lifetime.h"

namespace reader {
namespace {

bool closed = true;

}  // namespace

void markMainWindowOpen() { closed = false; }

void markMainWindowClosed() { closed = true; }

bool mainWindowClosed() { return closed; }

}  // namespace reader
