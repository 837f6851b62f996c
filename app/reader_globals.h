// The reader's application-wide state, alive from program entry to exit.
#pragma once
#include <cstdint>

namespace reader {

// A control's place, size and font size as fractions of the window's size
// (font: of the control's own width).
struct LayoutEntry {
  double x;
  double y;
  double width;
  double height;
  double font;
};

constexpr int kLayoutEntries = 23;

struct Globals {
  void* layoutTable;   // array block: 23 LayoutEntry records
  void* fullBookList;  // the book list's Items as they were after start-up
  char* skinName;      // never set by the reader, so always the empty text
};

Globals& globals();
LayoutEntry* layoutEntries();

void initialiseGlobals();
// The cleanup routine the runtime runs once at shutdown.
void releaseGlobals();

}  // namespace reader
