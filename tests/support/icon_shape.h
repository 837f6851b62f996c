// The size and hotspot of an icon or cursor, read through GetIconInfo (whose
// bitmap copies are freed again).
#pragma once

#include <windows.h>

namespace testsupport {

struct IconShape {
  int width = 0;
  int height = 0;
  DWORD hotspotX = 0;
  DWORD hotspotY = 0;
};

// All zero when the handle is null or not an icon or cursor.
IconShape iconShape(HICON image);

}  // namespace testsupport
