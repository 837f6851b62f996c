#include "runtime/components/picture_loader.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "runtime/components/jpeg_decoder.h"
#include "runtime/core/deferred_system_calls.h"

namespace lp {

Picture::~Picture() {
  if (bitmap) DeleteObject(bitmap);
  if (icon) DestroyIcon(icon);
}

namespace {

bool isJpeg(const uint8_t* d, size_t n) { return n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF; }
bool isBmp(const uint8_t* d, size_t n) { return n >= 14 && d[0] == 'B' && d[1] == 'M'; }
bool isGif(const uint8_t* d, size_t n) { return n >= 6 && std::memcmp(d, "GIF8", 4) == 0; }
bool isIco(const uint8_t* d, size_t n) { return n >= 6 && d[0] == 0 && d[1] == 0 && d[2] == 1 && d[3] == 0; }

// BMP, GIF and ICO through the system's OLE picture support.
std::unique_ptr<Picture> loadThroughOle(const uint8_t* data, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), data, size);
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  IPicture* ole = nullptr;
  HRESULT hr = deferred::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&ole));
  stream->Release();
  if (FAILED(hr) || !ole) return nullptr;
  auto picture = std::make_unique<Picture>();
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  ole->get_Type(&type);
  ole->get_Handle(&handle);
  if (type == PICTYPE_ICON) {
    picture->icon = CopyIcon(reinterpret_cast<HICON>(static_cast<uintptr_t>(handle)));
    ICONINFO info = {};
    if (picture->icon && GetIconInfo(picture->icon, &info)) {
      BITMAP bm = {};
      GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
      picture->width = bm.bmWidth;
      picture->height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
    }
  } else if (type == PICTYPE_BITMAP) {
    picture->bitmap = static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle)), IMAGE_BITMAP, 0, 0, 0));
    BITMAP bm = {};
    if (picture->bitmap && GetObjectW(picture->bitmap, sizeof bm, &bm)) {
      picture->width = bm.bmWidth;
      picture->height = bm.bmHeight;
    }
  }
  ole->Release();
  if (!picture->bitmap && !picture->icon) return nullptr;
  return picture;
}

}  // namespace

HBITMAP decodeJpeg(const uint8_t* data, size_t size, int* width, int* height) {
  std::vector<uint8_t> pixels;
  int w = 0, h = 0;
  if (!decodeJpegPixels(data, size, pixels, &w, &h)) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return nullptr;
  std::memcpy(bits, pixels.data(), pixels.size());
  *width = w;
  *height = h;
  return bitmap;
}

std::unique_ptr<Picture> loadPicture(const uint8_t* data, size_t size) {
  if (!data || size == 0) return nullptr;
  if (isJpeg(data, size)) {
    auto picture = std::make_unique<Picture>();
    picture->bitmap = decodeJpeg(data, size, &picture->width, &picture->height);
    return picture->bitmap ? std::move(picture) : nullptr;
  }
  if (isBmp(data, size) || isGif(data, size) || isIco(data, size)) return loadThroughOle(data, size);
  return nullptr;
}

void drawPicture(HDC dc, const Picture& picture, int x, int y, int width, int height) {
  if (picture.icon) {
    DrawIconEx(dc, x, y, picture.icon, width, height, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!picture.bitmap) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, picture.bitmap);
  if (width == picture.width && height == picture.height) {
    BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
  } else {
    int mode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, x, y, width, height, source, 0, 0, picture.width, picture.height, SRCCOPY);
    SetStretchBltMode(dc, mode);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

const Picture* PictureCache::get(const std::vector<uint8_t>& bytes) {
  if (!tried_) {
    tried_ = true;
    picture_ = loadPicture(bytes.data(), bytes.size());
  }
  return picture_.get();
}

}  // namespace lp
