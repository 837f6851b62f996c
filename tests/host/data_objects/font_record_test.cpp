#include "runtime/components/font_record.h"

#include <gtest/gtest.h>

#include "runtime/components/stored_texts.h"

namespace lp {
namespace {

const std::string kSongTi = "\xCB\xCE\xCC\xE5";  // 宋体 in GBK

FontRecord songTi() {
  FontRecord font;
  font.height = -12;
  font.weight = 400;
  font.charSet = 134;
  font.outPrecision = 3;
  font.clipPrecision = 2;
  font.quality = 1;
  font.pitchAndFamily = 2;
  setFaceName(font, kSongTi);
  return font;
}

TEST(FontRecord, OnlySixtyBytesAreAFont) {
  EXPECT_TRUE(isFont(60));
  EXPECT_FALSE(isFont(59));
  EXPECT_FALSE(isFont(61));
  EXPECT_FALSE(isFont(0));
  FontRecord font;
  std::vector<uint8_t> buffer = encodeFont(songTi());
  ASSERT_EQ(buffer.size(), 60u);
  EXPECT_FALSE(decodeFont(buffer.data(), 59, font));
  buffer.push_back(0);
  EXPECT_FALSE(decodeFont(buffer, font));
}

TEST(FontRecord, LayoutMatchesLogfont) {
  std::vector<uint8_t> buffer = encodeFont(songTi());
  EXPECT_EQ(buffer[0], 0xF4);  // height -12
  EXPECT_EQ(buffer[3], 0xFF);
  EXPECT_EQ(buffer[16], 0x90);  // weight 400
  EXPECT_EQ(buffer[17], 0x01);
  EXPECT_EQ(buffer[23], 134);  // character set
  EXPECT_EQ(buffer[27], 2);    // pitch and family
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&buffer[28]), 4), kSongTi);
  EXPECT_EQ(buffer[32], 0);
}

TEST(FontRecord, DecodeEncodeIsByteExact) {
  std::vector<uint8_t> buffer(60);
  for (size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<uint8_t>(i * 7 + 1);
  FontRecord font;
  ASSERT_TRUE(decodeFont(buffer, font));
  EXPECT_EQ(encodeFont(font), buffer);
}

TEST(FontRecord, FaceNameIsCutAtThirtyOneBytesOnACharacterBoundary) {
  FontRecord font;
  setFaceName(font, std::string(40, 'a'));
  EXPECT_EQ(faceName(font), std::string(31, 'a'));
  std::string chinese;
  for (int i = 0; i < 16; ++i) chinese += kSongTi.substr(0, 2);  // 32 bytes of 宋
  setFaceName(font, chinese);
  EXPECT_EQ(faceName(font).size(), 30u);  // the 16th character would not fit whole
  setFaceName(font, "Arial");
  EXPECT_EQ(faceName(font), "Arial");
  EXPECT_EQ(font.faceName[6], 0);  // the rest of the field is cleared
}

TEST(FontRecord, FaceNameWithoutZeroTakesTheWholeField) {
  std::vector<uint8_t> buffer = encodeFont(FontRecord());
  std::fill(buffer.begin() + 28, buffer.end(), 'z');
  FontRecord font;
  ASSERT_TRUE(decodeFont(buffer, font));
  EXPECT_EQ(faceName(font), std::string(32, 'z'));
}

TEST(FontRecord, VisitFaceNameRewritesOnlySixtyByteBuffers) {
  std::vector<uint8_t> font = encodeFont(songTi());
  font[59] = 0x55;  // a byte after the name's zero
  const std::vector<uint8_t> original = font;
  int calls = 0;
  visitFaceName(font, [&](std::string& text, bool isFace) {
    ++calls;
    EXPECT_TRUE(isFace);
    EXPECT_EQ(text, kSongTi);
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(font, original);  // an unchanged name leaves every byte alone

  visitFaceName(font, [](std::string& text, bool) { text = "SimSun"; });
  FontRecord decoded;
  ASSERT_TRUE(decodeFont(font, decoded));
  EXPECT_EQ(faceName(decoded), "SimSun");
  EXPECT_EQ(decoded.height, -12);

  std::vector<uint8_t> notAFont(59, 1);
  visitFaceName(notAFont, [&](std::string&, bool) { ++calls; });
  EXPECT_EQ(calls, 1);  // not visited
}

}  // namespace
}  // namespace lp
