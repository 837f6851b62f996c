// The main window's two display modes and the full-screen reading window.
#pragma once

namespace reader {

void enterFullScreenMode();
void enterNormalMode();
void openReadingWindow();
// The reading window got its size: show the result box's text in it.
void fillReadingBox();
void closeReadingWindow();
// Closes the reading window when it is open; nothing otherwise.
void closeReadingWindowIfOpen();

}  // namespace reader
