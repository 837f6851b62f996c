// Background painting: the class brush is NULL_BRUSH, so the window paints
// its picture (in one of four modes) and fills the rest with BackColor.
#include <algorithm>

#include "runtime/components/component_colour.h"
#include "runtime/components/window_object.h"

namespace lp {
namespace {

// Draws the picture by PictureMode; true when it covers the whole client area.
bool drawBackPicture(HDC dc, const Picture& picture, int32_t mode, const RECT& client, const RECT& clip,
                     HRGN remaining) {
  const int cw = client.right, ch = client.bottom;
  const int pw = picture.width, ph = picture.height;
  if (pw <= 0 || ph <= 0) return false;
  RECT placed = {0, 0, pw, ph};
  switch (mode) {
    case 0:
      drawPicture(dc, picture, 0, 0, pw, ph);
      break;
    case 1:
      for (int y = 0; y < ch; y += ph) {
        for (int x = 0; x < cw; x += pw) {
          RECT tile = {x, y, x + pw, y + ph}, meet;
          if (IntersectRect(&meet, &tile, &clip)) drawPicture(dc, picture, x, y, pw, ph);
        }
      }
      return true;
    case 2: {
      int w = pw, h = ph;
      if (pw > cw || ph > ch) {
        const double scale = std::min(static_cast<double>(cw) / pw, static_cast<double>(ch) / ph);
        w = static_cast<int>(pw * scale);
        h = static_cast<int>(ph * scale);
      }
      placed = {(cw - w) / 2, (ch - h) / 2, (cw - w) / 2 + w, (ch - h) / 2 + h};
      drawPicture(dc, picture, placed.left, placed.top, w, h);
      break;
    }
    default:
      drawPicture(dc, picture, 0, 0, cw, ch);
      return true;
  }
  HRGN hole = CreateRectRgnIndirect(&placed);
  CombineRgn(remaining, remaining, hole, RGN_DIFF);
  DeleteObject(hole);
  return false;
}

}  // namespace

void paintBackground(WindowObject& w) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w.window, &ps);
  RECT clip;
  if (GetClipBox(dc, &clip) != NULLREGION && !IsRectEmpty(&clip)) {
    RECT client;
    GetClientRect(w.window, &client);
    HRGN remaining = CreateRectRgnIndirect(&clip);
    bool covered = false;
    if (!w.data.backPicture.empty()) {
      if (const Picture* picture = w.backPicture.get(w.data.backPicture))
        covered = drawBackPicture(dc, *picture, w.data.pictureMode, client, clip, remaining);
    }
    if (!covered) {
      HBRUSH brush = CreateSolidBrush(backgroundColour(w.data.backColor));
      FillRgn(dc, remaining, brush);
      DeleteObject(brush);
    }
    DeleteObject(remaining);
  }
  EndPaint(w.window, &ps);
}

void invalidateBackground(WindowObject& w) {
  InvalidateRect(w.window, nullptr, TRUE);
  RECT client;
  GetClientRect(w.window, &client);
  // Transparent children show the background through themselves.
  for (HWND child = GetWindow(w.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !(GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
    RECT r, meet;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, w.window, reinterpret_cast<POINT*>(&r), 2);
    if (IntersectRect(&meet, &r, &client)) InvalidateRect(child, nullptr, TRUE);
  }
}

}  // namespace lp
