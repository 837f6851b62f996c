// Expected ciphertexts come from a standard DES (openssl, des-ecb, no padding)
// keyed with the folded key after reversing the bit order of every byte.
#include "runtime/extended/des_sealed.h"

#include <gtest/gtest.h>

#include "tests/host/cipher/hex.h"

namespace {

std::vector<uint8_t> encipherBlocks(const std::vector<uint8_t>& folded, std::vector<uint8_t> data) {
  lp::DesSchedule schedule;
  lp::makeDesSchedule(folded.data(), lp::DesDirection::kEncrypt, schedule);
  for (size_t offset = 0; offset < data.size(); offset += 8) lp::desCryptBlock(schedule, data.data() + offset);
  return data;
}

// The plain bytes of a sealed block, or "<empty>" when it is refused.
std::string open(std::vector<uint8_t> data, const std::string& key) {
  size_t length = 0;
  if (!lp::openDesSealed(data.data(), data.size(), reinterpret_cast<const uint8_t*>(key.data()), key.size(), &length))
    return "<empty>";
  return std::string(data.begin() + 4, data.begin() + 4 + static_cast<std::ptrdiff_t>(length));
}

// A plain block with a chosen length field, enciphered with key "abcdefgh".
std::vector<uint8_t> withLengthField(int32_t n, size_t blockLength) {
  std::vector<uint8_t> plain(blockLength, 'x');
  for (int k = 0; k < 4; ++k) plain[k] = static_cast<uint8_t>(static_cast<uint32_t>(n) >> (8 * k));
  return encipherBlocks(bytesOf("abcdefgh"), plain);
}

TEST(DesBlock, KeyBitsAreTakenLeastSignificantFirst) {
  // The textbook vector (key 133457799BBCDFF1) with the key's bytes bit-reversed.
  EXPECT_EQ(encipherBlocks(fromHex("c82cea9ed93dfb8f"), fromHex("0123456789abcdef")), fromHex("85e813540f0ab405"));
  // The most significant bit of each byte is the one DES ignores.
  EXPECT_EQ(encipherBlocks(fromHex("482c6a1e593d7b0f"), fromHex("0123456789abcdef")), fromHex("85e813540f0ab405"));
}

TEST(DesBlock, DecryptingScheduleUndoesEncryption) {
  std::vector<uint8_t> key = fromHex("6f3849220406047d");
  std::vector<uint8_t> block = encipherBlocks(key, bytesOf("LumenPat"));
  lp::DesSchedule schedule;
  lp::makeDesSchedule(key.data(), lp::DesDirection::kDecrypt, schedule);
  lp::desCryptBlock(schedule, block.data());
  EXPECT_EQ(block, bytesOf("LumenPat"));
}

TEST(DesKey, FoldsLongKeysByXor) {
  uint8_t folded[8];
  std::string key = "k7M!p2Q#r9S%t4U^v6W&";
  lp::foldDesKey(reinterpret_cast<const uint8_t*>(key.data()), key.size(), folded);
  EXPECT_EQ(std::vector<uint8_t>(folded, folded + 8), fromHex("6f3849220406047d"));
  lp::foldDesKey(nullptr, 0, folded);
  EXPECT_EQ(std::vector<uint8_t>(folded, folded + 8), std::vector<uint8_t>(8, 0));
}

TEST(DesSealed, OpensStandardDesVectors) {
  EXPECT_EQ(open(fromHex("2fae9e829fa2dca409c9338728da9a10"), "abcdefgh"), "Hello");
  // A 20-byte key folds: bytes 9, 10, ... go into K[0], K[1], ... again.
  EXPECT_EQ(open(fromHex("048e7e55a7e65e98bb29509062377229a05c065ea6771988"), "k7M!p2Q#r9S%t4U^v6W&"),
            "LumenPath \xb9\xe2\xc2\xb7");
  EXPECT_EQ(open(fromHex("e4b5701dd4a4d3302fc45cbd9fa8e7e4"), ""), std::string("\0\1\2zero key", 11));
  // Short key, no padding needed (n + 4 = 24).
  EXPECT_EQ(open(fromHex("36c7b96b685f3f272c1e5b3296c104bd9acd089805608d01"), "short"), "12345678901234567890");
}

TEST(DesSealed, WrongKeyOrLengthIsRefused) {
  EXPECT_EQ(open(fromHex("2fae9e829fa2dca409c9338728da9a10"), "abcdefgi"), "<empty>");
  EXPECT_EQ(open(fromHex("2fae9e829fa2dca409c9338728da"), "abcdefgh"), "<empty>");  // 14 bytes
  EXPECT_EQ(open(std::vector<uint8_t>(12, 0), "abcdefgh"), "<empty>");
  EXPECT_EQ(open({}, "abcdefgh"), "<empty>");
}

TEST(DesSealed, LengthFieldMustFitTheBlock) {
  EXPECT_EQ(open(withLengthField(0, 16), "abcdefgh"), "<empty>");
  EXPECT_EQ(open(withLengthField(-1, 16), "abcdefgh"), "<empty>");
  EXPECT_EQ(open(withLengthField(INT32_MIN, 16), "abcdefgh"), "<empty>");
  EXPECT_EQ(open(withLengthField(13, 16), "abcdefgh"), "<empty>");  // more than length - 4
  EXPECT_EQ(open(withLengthField(4, 16), "abcdefgh"), "<empty>");   // 8 padding bytes
  EXPECT_EQ(open(withLengthField(12, 16), "abcdefgh"), std::string(12, 'x'));  // no padding
  EXPECT_EQ(open(withLengthField(5, 16), "abcdefgh"), std::string(5, 'x'));    // 7 padding bytes
  EXPECT_EQ(open(withLengthField(4, 8), "abcdefgh"), std::string(4, 'x'));
}

TEST(DesSealed, SealThenOpenGivesThePlainBytesBack) {
  for (size_t length : {1u, 3u, 4u, 5u, 12u, 100u}) {
    std::string plain(length, '\0');
    for (size_t k = 0; k < length; ++k) plain[k] = static_cast<char>(k * 37);
    std::vector<uint8_t> sealed = lp::sealDes(reinterpret_cast<const uint8_t*>(plain.data()), length,
                                              reinterpret_cast<const uint8_t*>("a key longer than eight"), 23);
    EXPECT_EQ(sealed.size() % 8, 0u);
    EXPECT_LT(sealed.size(), length + 12);
    EXPECT_EQ(open(sealed, "a key longer than eight"), plain) << length;
  }
}

}  // namespace
