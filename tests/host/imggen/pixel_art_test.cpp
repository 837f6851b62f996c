#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tools/imggen/icon_file.h"
#include "tools/imggen/pixel_art.h"

namespace {

using lp::imggen::IconKind;
using lp::imggen::PixelImage;

uint32_t word(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}
uint32_t half(const std::vector<uint8_t>& bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }

PixelImage read(const std::string& text) {
  PixelImage image;
  std::string error;
  EXPECT_TRUE(lp::imggen::readPixelArt(text, image, error)) << error;
  return image;
}

std::string readError(const std::string& text) {
  PixelImage image;
  std::string error;
  EXPECT_FALSE(lp::imggen::readPixelArt(text, image, error));
  return error;
}

TEST(PixelArt, ReadsColoursRowsCommentsAndHotspot) {
  const PixelImage image = read(
      "# a test\n"
      "colour K 102030   # dark\n"
      "hotspot 1 0\n"
      "\n"
      "K.\r\n"
      ".K  # trailing comment\n");
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.hotspotX, 1);
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF102030u, 0, 0, 0xFF102030u}));
}

TEST(PixelArt, FaultsNameTheLine) {
  EXPECT_EQ(readError("colour K 10203\nK\n"), "line 1: expected: colour <character> <RRGGBB>");
  EXPECT_EQ(readError("colour K 000000\ncolour K ffffff\nK\n"), "line 2: colour 'K' given twice");
  EXPECT_EQ(readError("KK\n"), "line 1: no colour for 'K'");
  EXPECT_EQ(readError("...\n..\n"), "line 2: row of 2 pixels, the first had 3");
  EXPECT_EQ(readError(".\ncolour K 000000\n"), "line 2: colours come before the rows");
  EXPECT_EQ(readError("# nothing\n"), "no rows");
  EXPECT_EQ(readError("hotspot 2 0\n..\n"), "the hotspot lies outside the image");
  EXPECT_EQ(readError(std::string(257, '.') + "\n"), "larger than 256 pixels");
}

TEST(IconFile, DirectoryBitmapAndMaskAsTheResourceCompilerTakesThem) {
  const PixelImage image = read("colour K 112233\nK.\n.K\n");
  const std::vector<uint8_t> file = lp::imggen::iconFile(IconKind::Icon, {image});
  ASSERT_EQ(file.size(), 6u + 16 + 40 + 16 + 8);
  EXPECT_EQ(half(file, 2), 1u);                    // an icon
  EXPECT_EQ(half(file, 4), 1u);                    // one image
  EXPECT_EQ(file[6], 2);                           // width
  EXPECT_EQ(half(file, 10), 1u);                   // planes
  EXPECT_EQ(half(file, 12), 32u);                  // bits per pixel
  EXPECT_EQ(word(file, 14), 40u + 16 + 8);         // the image's length
  EXPECT_EQ(word(file, 18), 22u);                  // where it starts
  EXPECT_EQ(word(file, 22 + 8), 4u);               // colour and mask: twice the height
  // Bottom row first: ". K" then "K .".
  EXPECT_EQ(word(file, 62), 0u);
  EXPECT_EQ(word(file, 66), 0xFF112233u);
  EXPECT_EQ(word(file, 70), 0xFF112233u);
  EXPECT_EQ(word(file, 74), 0u);
  // Mask rows, padded to four bytes: the transparent pixel's bit is set.
  EXPECT_EQ(file[78], 0x80);
  EXPECT_EQ(file[82], 0x40);
}

TEST(IconFile, ACursorNamesItsHotspotAndSeveralImagesFollowEachOther) {
  const PixelImage a = read("hotspot 1 2\n..\n..\n..\n");
  const std::vector<uint8_t> cursor = lp::imggen::iconFile(IconKind::Cursor, {a});
  EXPECT_EQ(half(cursor, 2), 2u);
  EXPECT_EQ(half(cursor, 10), 1u);
  EXPECT_EQ(half(cursor, 12), 2u);
  const PixelImage b = read(std::string(40, '.') + "\n");
  const std::vector<uint8_t> icon = lp::imggen::iconFile(IconKind::Icon, {a, b});
  EXPECT_EQ(word(icon, 22 + 12), word(icon, 18) + word(icon, 14));
  // 40 pixels need two mask words a row.
  EXPECT_EQ(word(icon, 22 + 8), 40u + 40 * 4 + 8);
}

TEST(PixelArt, TheProgramsOwnArtReads) {
  for (const char* name : {"program-icon-16", "program-icon-32", "program-icon-48", "hand-cursor"}) {
    std::ifstream in(std::string(LP_IMAGES_DIR) + "/" + name + ".txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const PixelImage image = read(text);
    EXPECT_EQ(image.width, image.height) << name;
  }
}

}  // namespace
