// The main window's creation (start-up: caption, layout, settings, database,
// book list) and destruction (close-down).
#pragma once

namespace reader {

void startReader();
void closeReader();

}  // namespace reader
