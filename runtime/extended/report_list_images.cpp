// The report list's image-list properties: a record per image, each a 32-bit
// byte count and the bytes of a picture file, decoded by the picture loader
// and drawn at the size of the first image that decodes.
#include <memory>
#include <vector>

#include "runtime/components/picture_loader.h"
#include "runtime/components/property_stream.h"
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {

std::vector<std::unique_ptr<Picture>> decodeImages(const std::vector<uint8_t>& data) {
  std::vector<std::unique_ptr<Picture>> pictures;
  PropertyReader in(data.data(), data.size());
  while (!in.atEnd()) {
    const std::vector<uint8_t> bytes = in.bytes();
    if (!in.ok()) break;
    pictures.push_back(loadPicture(bytes.data(), bytes.size()));
  }
  return pictures;
}

// A bitmap of the list's image size with the picture drawn into it; a
// picture that did not decode leaves it blank, so later indexes stay right.
HBITMAP imageBitmap(const Picture* picture, int width, int height) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
  if (picture) drawPicture(dc, *picture, 0, 0, width, height);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

HIMAGELIST buildImageList(const std::vector<uint8_t>& data, COLORREF background) {
  const std::vector<std::unique_ptr<Picture>> pictures = decodeImages(data);
  const Picture* first = nullptr;
  for (const auto& picture : pictures) {
    if (picture && picture->width > 0 && picture->height > 0) {
      first = picture.get();
      break;
    }
  }
  if (!first) return nullptr;
  const int count = static_cast<int>(pictures.size());
  HIMAGELIST list = ImageList_Create(first->width, first->height, ILC_COLOR32 | ILC_MASK, count, 1);
  if (!list) return nullptr;
  for (const auto& picture : pictures) {
    if (picture && picture->icon) {
      ImageList_AddIcon(list, picture->icon);
      continue;
    }
    HBITMAP bitmap = imageBitmap(picture.get(), first->width, first->height);
    ImageList_Add(list, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  ImageList_SetBkColor(list, background);
  return list;
}

}  // namespace lp
