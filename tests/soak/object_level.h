// The level of GDI/USER objects a soak run settles at, and whether the end of
// the run lies above it.
//
// The system fills caches on first use and keeps them: a message box's icon,
// a cursor, a theme's picture of a scroll bar state (each one to three
// bitmaps). Some first uses come only after thousands of random actions, so
// a count taken early in a run is not the level the run settles at. A leak
// grows with the actions; a cache stops. So the level is the highest reading
// of the first half of the run (after its first tenth), and the end may lie
// above it by no more than the slack.
#pragma once
#include <windows.h>

#include <optional>

#include "tests/reader_driving/process_figures.h"

namespace soak {

// A reading for the level and for the end: the lower counts of two readings
// a moment apart, so that a dialog still being taken down after it was
// answered does not count.
drive::ProcessFigures settledReading(HANDLE process, HWND main);

class ObjectLevel {
 public:
  explicit ObjectLevel(int actions);
  // Whether the objects are read after this action.
  bool readsAfter(int action) const;
  void add(const drive::ProcessFigures& reading);
  // False for a run too short to have a settled level.
  bool known() const { return first_.has_value(); }
  // Prints the readings and the end; returns what grew, or null.
  const char* growthAtEnd(const drive::ProcessFigures& end) const;

 private:
  int from_;
  int to_;
  int every_;
  std::optional<drive::ProcessFigures> first_;
  DWORD gdiHighest_ = 0;
  DWORD userHighest_ = 0;
};

}  // namespace soak
