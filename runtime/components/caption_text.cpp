#include "runtime/components/caption_text.h"

#include <vector>

namespace lp {
namespace {

void drawAt(HDC dc, const std::wstring& text, RECT area, int dx, int dy, UINT format, COLORREF colour) {
  OffsetRect(&area, dx, dy);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

}  // namespace

UINT captionFormat(int32_t horizontalAlign, bool wordWrap, int32_t verticalAlign) {
  UINT format = DT_NOCLIP;
  if (horizontalAlign == 1) format |= DT_CENTER;
  if (horizontalAlign == 2) format |= DT_RIGHT;
  if (wordWrap) return format | DT_WORDBREAK | DT_VCENTER;
  format |= DT_SINGLELINE;
  if (verticalAlign == 1) format |= DT_VCENTER;
  if (verticalAlign == 2) format |= DT_BOTTOM;
  return format;
}

void drawCaption(HDC dc, const std::wstring& text, const RECT& area, UINT format, int32_t effect, COLORREF colour) {
  const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
  switch (effect) {
    case 1:
      drawAt(dc, text, area, 1, 1, format, white);
      drawAt(dc, text, area, 0, 0, format, colour);
      break;
    case 2:
      drawAt(dc, text, area, 0, 0, format, white);
      drawAt(dc, text, area, 1, 1, format, colour);
      break;
    case 3:
      drawAt(dc, text, area, 2, 2, format, black);
      drawAt(dc, text, area, 0, 0, format, colour);
      break;
    default:
      drawAt(dc, text, area, 0, 0, format, colour);
      break;
  }
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const int got = GetWindowTextW(window, buffer.data(), length + 1);
  return std::wstring(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

}  // namespace lp
