// One random user action on the reader's main window, sent as window
// messages: typing into a box, Enter, a button, a menu item, a double click
// on a list row, the book list or the result box, hovering the list,
// resizing. Exit is never chosen.
#pragma once
#include <windows.h>

#include <random>
#include <string>

namespace soak {

// Performs one action and says which (ASCII, to reproduce it).
std::string performRandomAction(HWND main, std::mt19937& random);

}  // namespace soak
