#include "runtime/components/gradient_paint.h"

#include <algorithm>

namespace lp {
namespace {

constexpr int kTile = 50;

RECT rectOf(const GradientBox& b) { return {b.left, b.top, b.right, b.bottom}; }

// One tile-sized 32-bit top-down DIB, reused for every tile of a fill.
class TileBuffer {
 public:
  explicit TileBuffer(HDC dc) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kTile;
    info.bmiHeader.biHeight = -kTile;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    memory_ = CreateCompatibleDC(dc);
    if (bitmap_ && memory_) old_ = SelectObject(memory_, bitmap_);
  }
  ~TileBuffer() {
    if (memory_) {
      if (old_) SelectObject(memory_, old_);
      DeleteDC(memory_);
    }
    if (bitmap_) DeleteObject(bitmap_);
  }
  TileBuffer(const TileBuffer&) = delete;
  TileBuffer& operator=(const TileBuffer&) = delete;

  bool ready() const { return bits_ && old_; }
  uint32_t* bits() const { return bits_; }
  HDC dc() const { return memory_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HDC memory_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

}  // namespace

void paintGradient(HDC dc, const RECT& area, const RECT& clip, int32_t mode, const GradientColours& colours) {
  RECT visible;
  if (!IntersectRect(&visible, &area, &clip)) return;
  TileBuffer tile(dc);
  if (!tile.ready()) return;
  const int width = area.right - area.left, height = area.bottom - area.top;
  for (int y = area.top; y < area.bottom; y += kTile) {
    for (int x = area.left; x < area.right; x += kTile) {
      const RECT whole = {x, y, std::min<LONG>(x + kTile, area.right), std::min<LONG>(y + kTile, area.bottom)};
      RECT part;
      if (!IntersectRect(&part, &whole, &visible)) continue;
      const int w = part.right - part.left, h = part.bottom - part.top;
      // Rows of the DIB are kTile pixels apart; render row by row into them.
      for (int row = 0; row < h; ++row) {
        renderGradientTile(mode, colours, width, height, part.left - area.left, part.top - area.top + row, w, 1,
                           tile.bits() + row * kTile);
      }
      GdiFlush();
      BitBlt(dc, part.left, part.top, w, h, tile.dc(), 0, 0, SRCCOPY);
    }
  }
}

RECT paintGradientFrame(HDC dc, const RECT& area, const RECT& clip, int32_t width, const GradientColours& colours) {
  const GradientFrame f = gradientFrame({area.left, area.top, area.right, area.bottom}, width);
  if (f.width <= 0) return area;
  paintGradient(dc, rectOf(f.top), clip, 1, colours);
  paintGradient(dc, rectOf(f.bottom), clip, 1, colours);
  const struct {
    GradientBox strip;
    const GradientPoint* outline;
  } sides[2] = {{f.left, f.leftOutline}, {f.right, f.rightOutline}};
  for (const auto& side : sides) {
    POINT points[5];
    for (int i = 0; i < 5; ++i) points[i] = {side.outline[i].x, side.outline[i].y};
    // The outline is in client coordinates; the clip region wants device ones.
    LPtoDP(dc, points, 5);
    HRGN outline = CreatePolygonRgn(points, 5, WINDING);
    const int saved = SaveDC(dc);
    ExtSelectClipRgn(dc, outline, RGN_AND);
    paintGradient(dc, rectOf(side.strip), clip, 2, colours);
    RestoreDC(dc, saved);
    DeleteObject(outline);
  }
  return rectOf(f.inside);
}

}  // namespace lp
