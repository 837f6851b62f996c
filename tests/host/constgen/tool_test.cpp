// Runs lp-constgen on the project's texts and a small stand-in database and
// reads the blob back the way the program will.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "runtime/extended/rc4.h"
#include "tools/constgen/gbk_text.h"

namespace {

const char kKey[] = "k7M!p2Q#r9S%t4U^v6W&";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t wordAt(const std::string& blob, size_t offset) {
  uint32_t w = 0;
  std::memcpy(&w, blob.data() + offset, 4);
  return w;
}

// The bytes of the byte-set at offset; checks the block's layout on the way.
std::string byteSetAt(const std::string& blob, size_t offset) {
  EXPECT_EQ(offset % 4, 0u);
  EXPECT_EQ(wordAt(blob, offset), 1u);
  return blob.substr(offset + 8, wordAt(blob, offset + 4));
}

std::string decipher(std::string bytes) {
  lp::rc4Apply(reinterpret_cast<const uint8_t*>(kKey), std::strlen(kKey), reinterpret_cast<uint8_t*>(&bytes[0]),
               bytes.size());
  return bytes;
}

std::string sourceAsGbk(const char* name) {
  std::string gbk;
  EXPECT_TRUE(lp::constgen::utf8ToGbk(
      lp::constgen::withoutTrailingNewlines(readFile(std::string(LP_TEXTS_DIR "/") + name)), gbk));
  return gbk;
}

// The header's value of one constant.
uint32_t headerOffset(const std::string& header, const std::string& name) {
  size_t at = header.find("constexpr uint32_t " + name + " = ");
  EXPECT_NE(at, std::string::npos) << name;
  return static_cast<uint32_t>(std::stoul(header.substr(header.find('=', at) + 2)));
}

std::string runTool(const std::string& databaseOption) {
  std::string command = std::string(LP_CONSTGEN) + " --key '" + kKey + "' --caption " LP_TEXTS_DIR
                        "/caption.txt --update-address " LP_TEXTS_DIR "/update-address.txt --rights-notice " LP_TEXTS_DIR
                        "/rights-notice.txt" + databaseOption + " --out-blob blob.bin --out-header layout.h";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return readFile("blob.bin");
}

TEST(ConstgenTool, LaysOutTheConstantsInOrder) {
  std::string database("Standard Jet DB\0\x01\x02", 18);
  std::ofstream("database.kx", std::ios::binary) << database;
  std::string blob = runTool(" --database database.kx");
  std::string header = readFile("layout.h");

  EXPECT_EQ(headerOffset(header, "kEmptyText"), 0u);
  EXPECT_EQ(blob[0], '\0');
  EXPECT_EQ(headerOffset(header, "kEmptyByteSet"), 4u);
  EXPECT_EQ(byteSetAt(blob, 4), "");
  EXPECT_EQ(headerOffset(header, "kKey"), 12u);
  EXPECT_EQ(byteSetAt(blob, 12), kKey);

  uint32_t caption = headerOffset(header, "kCaption");
  uint32_t address = headerOffset(header, "kUpdateAddress");
  uint32_t notice = headerOffset(header, "kRightsNotice");
  uint32_t databaseAt = headerOffset(header, "kDatabase");
  EXPECT_EQ(caption, 40u);  // 12 + 8 + 20
  EXPECT_LT(caption, address);
  EXPECT_LT(address, notice);
  EXPECT_LT(notice, databaseAt);
  EXPECT_EQ(byteSetAt(blob, caption), decipher(sourceAsGbk("caption.txt")));
  EXPECT_NE(byteSetAt(blob, caption), sourceAsGbk("caption.txt")) << "stored only enciphered";
  EXPECT_EQ(decipher(byteSetAt(blob, caption)), "\xb9\xe2\xc2\xb7\xca\xa5\xbe\xad\xd4\xc4\xb6\xc1\xc6\xf7 1.0");
  EXPECT_EQ(decipher(byteSetAt(blob, address)), "https://lumenpath.example.org/updates");
  EXPECT_EQ(decipher(byteSetAt(blob, notice)), sourceAsGbk("rights-notice.txt"));
  EXPECT_EQ(byteSetAt(blob, databaseAt), database);
  EXPECT_EQ(headerOffset(header, "kSegmentLength"), blob.size());
}

TEST(ConstgenTool, WithoutADatabaseCarriesAnEmptyByteSet) {
  std::string blob = runTool("");
  EXPECT_EQ(byteSetAt(blob, headerOffset(readFile("layout.h"), "kDatabase")), "");
}

TEST(ConstgenTool, RefusesUnknownOrMissingArguments) {
  EXPECT_NE(std::system((std::string(LP_CONSTGEN) + " --key x --bogus y 2>/dev/null").c_str()), 0);
  EXPECT_NE(std::system((std::string(LP_CONSTGEN) + " --key x 2>/dev/null").c_str()), 0);
}

}  // namespace
