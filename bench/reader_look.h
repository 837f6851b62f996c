// What the bench's plain Win32 programs copy of the reader's main window: its
// template font and its result list.
#pragma once
#include <windows.h>

namespace bench {

// The font the reader's template gives its list and result box.
HFONT readerFont();

// A list view made as the reader's report list is: a static edge, full-row
// selection, grid lines, hot tracking and info tips, the four columns, and
// the last one filling the width as the reader's layout sets it (so once
// rows need the vertical scroll bar the horizontal one comes with it, and
// every show of a fill updates both).
HWND makeReaderList(HWND parent, int x, int y, int width, int height, HFONT font);

}  // namespace bench
