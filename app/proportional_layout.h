// The main window's controls keep their place, size and font size as fixed
// fractions of the window's size, measured once at start-up.
#pragma once

namespace reader {

// Measures the 23 controls of the layout table.
void recordLayout();
// Measures again only the result box's font size against its width (after
// the saved settings have set it).
void recordResultBoxFont();
// Moves and sizes the 23 controls for the window's current size.
void applyLayout();

}  // namespace reader
