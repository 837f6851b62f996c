#include "app/display_modes.h"

#include "app/commands.h"
#include "app/controls.h"

namespace reader {
namespace {

constexpr int32_t kPositionNormal = 1;
constexpr int32_t kPositionFullScreen = 3;

bool readingWindowOpen = false;

}  // namespace

void enterFullScreenMode() { writeInteger(ui::kMainWindow, prop::kWindowPosition, kPositionFullScreen); }

void enterNormalMode() { writeInteger(ui::kMainWindow, prop::kWindowPosition, kPositionNormal); }

void openReadingWindow() {
  // Modal: the load returns once the reading window is closed.
  readingWindowOpen = true;
  cmd::loadWindowModal(ui::kReadingWindow);
  readingWindowOpen = false;
}

void fillReadingBox() {
  const Component& box = ui::kReadingBox;
  writeInteger(box, prop::kWidth, readInteger(ui::kReadingWindow, prop::kWidth));
  writeInteger(box, prop::kHeight, readInteger(ui::kReadingWindow, prop::kHeight));
  writeText(box, prop::kEditContent, readText(ui::kResultBox, prop::kEditContent));
  void* font = readBlock(ui::kResultBox, prop::kEditFont);
  writeBlock(box, prop::kEditFont, font);
  releaseBlock(font);
  writeInteger(box, prop::kEditBackColour, readInteger(ui::kResultBox, prop::kEditBackColour));
  writeInteger(box, prop::kEditTextColour, readInteger(ui::kResultBox, prop::kEditTextColour));
}

void closeReadingWindow() { cmd::destroy(ui::kReadingWindow); }

void closeReadingWindowIfOpen() {
  if (readingWindowOpen) closeReadingWindow();
}

}  // namespace reader
