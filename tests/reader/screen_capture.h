// Saving what the screen shows of a rectangle as a PNG file.
#pragma once
#include <windows.h>

#include <string>

namespace readertest {

// The rectangle in screen coordinates; false when nothing could be saved.
bool saveScreenshot(const RECT& onScreen, const std::string& path);
// The window's rectangle, brought up to date on the screen first.
bool saveScreenshot(HWND window, const std::string& path);

}  // namespace readertest
