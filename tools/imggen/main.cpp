// lp-imggen: makes the program's icon and cursor files from pixel art.
//   lp-imggen icon <out.ico> <art>...     one image per art file
//   lp-imggen cursor <out.cur> <art>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/imggen/icon_file.h"
#include "tools/imggen/pixel_art.h"

int main(int argc, char** argv) {
  using namespace lp::imggen;
  const std::string kind = argc > 1 ? argv[1] : "";
  if (argc < 4 || (kind != "icon" && kind != "cursor") || (kind == "cursor" && argc != 4)) {
    std::fprintf(stderr, "usage: lp-imggen icon <out.ico> <art>... | lp-imggen cursor <out.cur> <art>\n");
    return 2;
  }
  std::vector<PixelImage> images;
  for (int i = 3; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "lp-imggen: cannot read %s\n", argv[i]);
      return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PixelImage image;
    std::string error;
    if (!readPixelArt(text, image, error)) {
      std::fprintf(stderr, "lp-imggen: %s: %s\n", argv[i], error.c_str());
      return 1;
    }
    images.push_back(std::move(image));
  }
  const std::vector<uint8_t> bytes = iconFile(kind == "icon" ? IconKind::Icon : IconKind::Cursor, images);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "lp-imggen: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
