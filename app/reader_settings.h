// The result box's font and colours, kept in lumenpath.ini in the user's
// documents folder.
#pragma once
#include <string>

namespace reader {

// Start-up: apply what the settings file holds, when it exists.
void applySavedSettings();
void chooseFont();
void takeBackgroundColour();
void saveSettings();
void restoreDefaults();

// "真" anywhere among spaces is true; anything else is false.
bool parseLogical(const std::string& text);

}  // namespace reader
