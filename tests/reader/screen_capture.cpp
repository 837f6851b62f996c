#include "tests/reader/screen_capture.h"

#include <objidl.h>  // before gdiplus.h, which needs its PROPID

#include <gdiplus.h>

namespace readertest {
namespace {

// The system's PNG encoder.
const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

std::wstring widePath(const std::string& path) {
  std::wstring wide;
  for (char c : path) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

bool savePng(HBITMAP bitmap, const std::string& path) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
  bool saved = false;
  {
    Gdiplus::Bitmap image(bitmap, nullptr);
    saved = image.Save(widePath(path).c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
  }
  Gdiplus::GdiplusShutdown(token);
  return saved;
}

}  // namespace

bool saveScreenshot(const RECT& r, const std::string& path) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(dc, old);
  const bool saved = savePng(bitmap, path);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return saved;
}

bool saveScreenshot(HWND window, const std::string& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  RECT r;
  return GetWindowRect(window, &r) && saveScreenshot(r, path);
}

}  // namespace readertest
