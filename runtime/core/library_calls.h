// Notifications from the runtime to its component libraries.
#pragma once
#include <cstdint>

namespace lp {

// Notification 1 with the library-service entry to every library, in
// library-number order; then the per-library data words are created.
void notifyLibrariesOfStart();
// Notification 6 with each library's data word.
void notifyLibrariesOfShutdown();

}  // namespace lp
