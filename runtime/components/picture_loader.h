// The picture loader: the whole bytes of a BMP, JPEG, GIF or ICO file become
// a picture object the components draw. Bytes that do not decode give none.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lp {

struct Picture {
  HBITMAP bitmap = nullptr;  // for BMP, JPEG and GIF data
  HICON icon = nullptr;      // for ICO data
  int width = 0;
  int height = 0;

  Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture();
};

std::unique_ptr<Picture> loadPicture(const uint8_t* data, size_t size);

// Draws the picture into the rectangle (stretched when the sizes differ).
void drawPicture(HDC dc, const Picture& picture, int x, int y, int width, int height);

// A picture decoded on first use and kept until the property changes.
class PictureCache {
 public:
  const Picture* get(const std::vector<uint8_t>& bytes);
  void reset() {
    picture_.reset();
    tried_ = false;
  }

 private:
  std::unique_ptr<Picture> picture_;
  bool tried_ = false;
};

// JPEG data through libjpeg: a 24-bit top-down bitmap, or null.
HBITMAP decodeJpeg(const uint8_t* data, size_t size, int* width, int* height);

}  // namespace lp
