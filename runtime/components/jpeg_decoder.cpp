// JPEG decoding through libjpeg. Decoding errors jump back here instead of
// ending the process, so bad bytes only leave the picture empty.
#include "runtime/components/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace lp {
namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

void onError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->back, 1); }
void onMessage(j_common_ptr) {}

}  // namespace

bool decodeJpegPixels(const uint8_t* data, size_t size, std::vector<uint8_t>& pixels, int* width, int* height) {
  jpeg_decompress_struct info;
  ErrorTrap trap;
  // Declared before the jump point, so an error leaves it in a defined state.
  std::vector<uint8_t> row;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = onError;
  trap.manager.output_message = onMessage;
  if (setjmp(trap.back)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const int w = static_cast<int>(info.output_width);
  const int h = static_cast<int>(info.output_height);
  const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~static_cast<size_t>(3);
  pixels.assign(stride * static_cast<size_t>(h), 0);
  row.resize(static_cast<size_t>(w) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const size_t y = info.output_scanline;
    jpeg_read_scanlines(&info, rows, 1);
    uint8_t* out = pixels.data() + y * stride;
    for (int x = 0; x < w; ++x) {
      out[x * 3] = row[static_cast<size_t>(x) * 3 + 2];
      out[x * 3 + 1] = row[static_cast<size_t>(x) * 3 + 1];
      out[x * 3 + 2] = row[static_cast<size_t>(x) * 3];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  *width = w;
  *height = h;
  return w > 0 && h > 0;
}

}  // namespace lp
