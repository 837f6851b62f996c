#include "component_pixels.h"

#include <cstring>

#include "runtime/components/font_record.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/memory_service.h"
#include "window_fixture.h"

namespace test {
namespace {

void splitPointer(const void* p, uint32_t& low, uint32_t& high) {
  const uint64_t word = reinterpret_cast<uintptr_t>(p);
  low = static_cast<uint32_t>(word);
  high = static_cast<uint32_t>(word >> 32);
}

void paintPending(HWND window) {
  RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
  GdiFlush();
}

}  // namespace

COLORREF pixelAt(HWND window, int x, int y) {
  paintPending(window);
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

std::vector<POINT> pixelsWhere(HWND window, const std::function<bool(COLORREF)>& test) {
  paintPending(window);
  RECT r;
  GetClientRect(window, &r);
  std::vector<POINT> out;
  HDC dc = GetDC(window);
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) {
      if (test(GetPixel(dc, x, y))) out.push_back({x, y});
    }
  }
  ReleaseDC(window, dc);
  return out;
}

void writeNumber(uint32_t unit, int32_t property, uint32_t value) {
  lp_entry_services.writeProperty(kWindowId, unit, property, -1, value, 0);
}

void writeText(uint32_t unit, int32_t property, const std::string& text) {
  uint32_t low = 0, high = 0;
  splitPointer(text.c_str(), low, high);
  lp_entry_services.writeProperty(kWindowId, unit, property, -1, low, high);
}

void writeBytes(uint32_t unit, int32_t property, const std::vector<uint8_t>& bytes) {
  void* block = lp::makeByteSet(bytes.data(), static_cast<int32_t>(bytes.size()));
  uint32_t low = 0, high = 0;
  splitPointer(block, low, high);
  lp_entry_services.writeProperty(kWindowId, unit, property, -1, low, high);
  lp::release(block);
}

uint32_t readNumber(uint32_t unit, int32_t property) {
  return static_cast<uint32_t>(lp_entry_services.readProperty(kWindowId, unit, property, -1));
}

std::vector<uint8_t> bmpFile(int width, int height, COLORREF colour) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t pixelBytes = static_cast<uint32_t>(stride * height);
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixelBytes;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  std::vector<uint8_t> out(file.bfSize);
  std::memcpy(out.data(), &file, sizeof file);
  std::memcpy(out.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = out.data() + file.bfOffBits + y * stride + x * 3;
      p[0] = GetBValue(colour);
      p[1] = GetGValue(colour);
      p[2] = GetRValue(colour);
    }
  }
  return out;
}

std::vector<uint8_t> fontBuffer(int height, const char* face) {
  lp::FontRecord font;
  font.height = -height;
  font.weight = FW_BOLD;
  font.charSet = DEFAULT_CHARSET;
  lp::setFaceName(font, face);
  return lp::encodeFont(font);
}

}  // namespace test
