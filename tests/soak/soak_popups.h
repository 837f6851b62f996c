// The windows a soak action can leave open over the main window (message
// boxes, the font and colour dialogs, the colour palette, the reading window),
// each answered or closed the way a user would.
#pragma once
#include <windows.h>

#include <random>

namespace soak {

// Answers or closes every such window of the process once; returns how many
// there were.
int answerPopups(DWORD processId, HWND main, std::mt19937& random);

// Answers popups until none is left and the main window handles messages.
// False when that does not happen within `limitMs` (a hang).
bool settle(DWORD processId, HWND main, std::mt19937& random, DWORD limitMs);

}  // namespace soak
