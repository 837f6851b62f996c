// Bare controls filled with fetched rows the way platform notes recommend
// under Wine: redraw off during the fill, shown at most every 100 ms and at
// the end, messages processed after every row.
#pragma once
#include <windows.h>

#include "bench/reference_query.h"

namespace bench {

class ReferenceWindow {
 public:
  // A shown top-level window the reader's size holding the three controls.
  bool create();
  // Each returns the milliseconds the fill took, clearing the control first.
  double fillReport(const FetchedRows& fetched);  // report list view, 4 columns
  double fillBooks(const FetchedRows& fetched);   // list box of book names
  double fillLines(const FetchedRows& fetched);   // multi-line edit, one line a row

 private:
  HWND window_ = nullptr, list_ = nullptr, books_ = nullptr, lines_ = nullptr;
};

}  // namespace bench
