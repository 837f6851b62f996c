// The window's outline (Shape), made from the window rectangle and set as
// its window region; re-applied on every size change.
#include <algorithm>

#include "runtime/components/window_object.h"
#include "runtime/components/window_outlines.h"

namespace lp {
namespace {

HRGN polygonRegion(const Outline& outline, int width, int height) {
  HDC dc = CreateCompatibleDC(nullptr);
  BeginPath(dc);
  for (int32_t i = 0; i < outline.count; ++i) {
    const int x = MulDiv(outline.points[i].x, width, kOutlineUnit);
    const int y = MulDiv(outline.points[i].y, height, kOutlineUnit);
    if (i == 0) {
      MoveToEx(dc, x, y, nullptr);
    } else {
      LineTo(dc, x, y);
    }
  }
  CloseFigure(dc);
  EndPath(dc);
  HRGN region = PathToRegion(dc);
  DeleteDC(dc);
  return region;
}

HRGN outlineRegion(int32_t shape, int w, int h) {
  switch (shape) {
    case 1:
      return CreateEllipticRgn(0, 0, w, h);
    case 2: {
      const int corner = std::min(w / 5, h / 5);
      return CreateRoundRectRgn(0, 0, w, h, corner, corner);
    }
    case 3: {
      HRGN outer = CreateEllipticRgn(0, 0, w, h);
      HRGN inner = CreateEllipticRgn(w / 4, h / 4, w - w / 4, h - h / 4);
      CombineRgn(outer, outer, inner, RGN_DIFF);
      DeleteObject(inner);
      return outer;
    }
    default: {
      const Outline outline = windowOutline(shape);
      return outline.count ? polygonRegion(outline, w, h) : nullptr;
    }
  }
}

}  // namespace

void applyShape(WindowObject& w) {
  RECT r;
  GetWindowRect(w.window, &r);
  HRGN region = w.data.shape == 0 ? nullptr : outlineRegion(w.data.shape, r.right - r.left, r.bottom - r.top);
  // The system owns the region from here on.
  SetWindowRgn(w.window, region, TRUE);
}

}  // namespace lp
