#include "runtime/extended/rc4.h"

#include <gtest/gtest.h>

#include "tests/host/cipher/hex.h"

namespace {

std::vector<uint8_t> rc4(const std::vector<uint8_t>& key, std::vector<uint8_t> data) {
  lp::rc4Apply(key.data(), key.size(), data.data(), data.size());
  return data;
}

TEST(Rc4, ReproducesPublishedVectors) {
  EXPECT_EQ(rc4(bytesOf("Key"), bytesOf("Plaintext")), fromHex("bbf316e8d940af0ad3"));
  EXPECT_EQ(rc4(bytesOf("Wiki"), bytesOf("pedia")), fromHex("1021bf0420"));
  EXPECT_EQ(rc4(bytesOf("Secret"), bytesOf("Attack at dawn")), fromHex("45a01f645fc35b383552544b9bf5"));
  // The first 32 key-stream bytes for the 40-bit key 01 02 03 04 05: nothing is discarded.
  EXPECT_EQ(rc4(fromHex("0102030405"), std::vector<uint8_t>(32, 0)),
            fromHex("b2396305f03dc027ccc3524a0a1118a86982944f18fc82d589c403a47a0d0919"));
}

TEST(Rc4, StreamContinuesAcrossCalls) {
  std::vector<uint8_t> key = fromHex("0102030405");
  std::vector<uint8_t> data(32, 0);
  lp::Rc4State state;
  lp::rc4Start(state, key.data(), key.size());
  lp::rc4Transform(state, data.data(), 10);
  lp::rc4Transform(state, data.data() + 10, 22);
  EXPECT_EQ(data, rc4(key, std::vector<uint8_t>(32, 0)));
}

TEST(Rc4, TwiceWithTheSameKeyGivesTheInputBack) {
  std::vector<uint8_t> key = bytesOf("k7M!p2Q#r9S%t4U^v6W&");
  std::vector<uint8_t> plain = {0xb9, 0xe2, 0xc2, 0xb7, ' ', '1', '.', '0', 0, 'x', 0};
  std::vector<uint8_t> once = rc4(key, plain);
  EXPECT_NE(once, plain);
  EXPECT_EQ(rc4(key, once), plain);
}

TEST(Rc4, KeepsLengthAndZeroBytes) {
  std::vector<uint8_t> plain = {0, 0, 'a', 0, 'b', 0, 0};
  std::vector<uint8_t> enciphered = rc4(bytesOf("Key"), plain);
  ASSERT_EQ(enciphered.size(), plain.size());
  EXPECT_EQ(rc4(bytesOf("Key"), enciphered), plain);
  EXPECT_TRUE(rc4(bytesOf("Key"), {}).empty());
}

TEST(Rc4, EmptyKeyLeavesTheIdentityPermutation) {
  lp::Rc4State state;
  lp::rc4Start(state, nullptr, 0);
  for (int k = 0; k < 256; ++k) ASSERT_EQ(state.s[k], k);
  EXPECT_EQ(state.i, 0);
  EXPECT_EQ(state.j, 0);
  // Key stream of the identity permutation: S[1] + S[1] = 2, then the swaps go on.
  std::vector<uint8_t> data(1, 0);
  lp::rc4Transform(state, data.data(), 1);
  EXPECT_EQ(data[0], 2);
}

}  // namespace
