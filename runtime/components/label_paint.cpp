// Painting the label (the class brush is NULL_BRUSH and the background is
// never erased separately): the gradient frame, then the picture, gradient
// or colour behind the caption, then the caption with its effect.
#include <algorithm>

#include "runtime/components/caption_text.h"
#include "runtime/components/component_colour.h"
#include "runtime/components/component_font.h"
#include "runtime/components/gradient_paint.h"
#include "runtime/components/label_object.h"

namespace lp {
namespace {

constexpr int32_t kFramedBorder = 6;

void takeOut(HRGN region, const RECT& r) {
  HRGN hole = CreateRectRgnIndirect(&r);
  CombineRgn(region, region, hole, RGN_DIFF);
  DeleteObject(hole);
}

// Draws the picture into r by mode: 0 natural size at the top-left corner,
// 1 tiled (the region is emptied), 2 centred and shrunk to fit keeping its
// aspect ratio; what the picture covers is taken out of the region.
void drawBackPicture(HDC dc, const Picture& picture, int32_t mode, const RECT& r, const RECT& clip, HRGN remaining) {
  const int pw = picture.width, ph = picture.height;
  if (pw <= 0 || ph <= 0) return;
  const int rw = r.right - r.left, rh = r.bottom - r.top;
  switch (mode) {
    case 0: {
      drawPicture(dc, picture, r.left, r.top, pw, ph);
      takeOut(remaining, {r.left, r.top, r.left + pw, r.top + ph});
      break;
    }
    case 1:
      for (int y = r.top; y < r.bottom; y += ph) {
        for (int x = r.left; x < r.right; x += pw) {
          RECT tile = {x, y, x + pw, y + ph}, meet;
          if (IntersectRect(&meet, &tile, &clip)) drawPicture(dc, picture, x, y, pw, ph);
        }
      }
      SetRectRgn(remaining, 0, 0, 0, 0);
      break;
    default: {
      int w = pw, h = ph;
      if (pw > rw || ph > rh) {
        const double scale = std::min(static_cast<double>(rw) / pw, static_cast<double>(rh) / ph);
        w = static_cast<int>(pw * scale);
        h = static_cast<int>(ph * scale);
      }
      const RECT placed = {r.left + (rw - w) / 2, r.top + (rh - h) / 2, r.left + (rw - w) / 2 + w,
                           r.top + (rh - h) / 2 + h};
      drawPicture(dc, picture, placed.left, placed.top, w, h);
      takeOut(remaining, placed);
      break;
    }
  }
}

void drawText(HDC dc, HWND window, const LabelData& d, const RECT& r) {
  const std::wstring text = windowText(window);
  if (text.empty()) return;
  HFONT created = createFontFromBuffer(d.font.data(), d.font.size());
  HGDIOBJ old = SelectObject(dc, fontOrDefault(created));
  SetBkMode(dc, TRANSPARENT);
  drawCaption(dc, text, r, captionFormat(d.horizontalAlign, d.wordWrap, d.verticalAlign), d.textEffect,
              static_cast<COLORREF>(d.textColor & 0x00FFFFFFu));
  SelectObject(dc, old);
  if (created) DeleteObject(created);
}

}  // namespace

void paintLabel(LabelObject& label) {
  const LabelData& d = label.data;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(label.window, &ps);
  RECT clip;
  if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) {
    EndPaint(label.window, &ps);
    return;
  }
  RECT r;
  GetClientRect(label.window, &r);
  if (d.border == kFramedBorder && d.gradientBorderWidth > 0) {
    const GradientColours frame = gradientColours(d.gradientBorderColor1, d.gradientBorderColor2,
                                                  d.gradientBorderColor3);
    if (frame.count >= 2) r = paintGradientFrame(dc, r, clip, d.gradientBorderWidth, frame);
  }
  RECT inside;
  if (!IntersectRect(&inside, &clip, &r)) SetRectEmpty(&inside);
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  HRGN remaining = CreateRectRgnIndirect(&inside);

  const GradientColours fill = gradientColours(d.gradientColor1, d.gradientColor2, d.gradientColor3);
  const Picture* picture = d.backPicture.empty() ? nullptr : label.backPicture.get(d.backPicture);
  if (picture) {
    drawBackPicture(dc, *picture, d.pictureMode, r, inside, remaining);
  } else if (isGradientMode(d.gradientMode) && fill.count >= 2) {
    paintGradient(dc, r, inside, d.gradientMode, fill);
    SetRectRgn(remaining, 0, 0, 0, 0);
  }
  HBRUSH brush = CreateSolidBrush(backgroundColour(d.backColor));
  FillRgn(dc, remaining, brush);
  DeleteObject(brush);
  DeleteObject(remaining);

  drawText(dc, label.window, d, r);
  EndPaint(label.window, &ps);
}

}  // namespace lp
