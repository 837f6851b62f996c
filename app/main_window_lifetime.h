// Whether the main window is open. Handlers that process messages inside a
// loop (fills, appends) may find on their return from DoEvents that the
// window was closed meanwhile; they must then touch none of its components,
// since each access to a component of an unloaded window is a run-time error
// that ends the program.
#pragma once

namespace reader {

void markMainWindowOpen();
void markMainWindowClosed();
bool mainWindowClosed();

}  // namespace reader
