// The constant segment as linked into a Windows program: symbols, layout
// and the enciphered texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "constant_layout.h"
#include "runtime/core/value.h"
#include "runtime/extended/rc4.h"

namespace {

std::string byteSet(uint32_t offset) {
  const int32_t* head = static_cast<const int32_t*>(lp::constants::at(offset));
  EXPECT_EQ(head[0], 1);
  return std::string(reinterpret_cast<const char*>(head + 2), static_cast<size_t>(head[1]));
}

std::string decipher(uint32_t offset) {
  std::string key = byteSet(lp::constants::kKey);
  std::string bytes = byteSet(offset);
  lp::rc4Apply(reinterpret_cast<const uint8_t*>(key.data()), key.size(), reinterpret_cast<uint8_t*>(&bytes[0]),
               bytes.size());
  return bytes;
}

TEST(ConstantSegment, SymbolsBoundTheBlob) {
  EXPECT_EQ(static_cast<uint32_t>(lp_constants_end - lp_constants), lp::constants::kSegmentLength);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(lp_constants) % 4, 0u);
}

TEST(ConstantSegment, HoldsTheEmptyValuesAndTheKey) {
  EXPECT_EQ(*static_cast<const char*>(lp::constants::at(lp::constants::kEmptyText)), '\0');
  EXPECT_EQ(byteSet(lp::constants::kEmptyByteSet), "");
  EXPECT_EQ(byteSet(lp::constants::kKey), "k7M!p2Q#r9S%t4U^v6W&");
}

TEST(ConstantSegment, TextsAreStoredEncipheredInGbk) {
  EXPECT_EQ(decipher(lp::constants::kCaption), "光路圣经阅读器 1.0");  // GBK literal
  EXPECT_EQ(decipher(lp::constants::kUpdateAddress), "https://lumenpath.example.org/updates");
  std::string notice = decipher(lp::constants::kRightsNotice);
  EXPECT_NE(notice.find("光路圣经阅读器 作者保留所有权利"), std::string::npos);
  EXPECT_NE(byteSet(lp::constants::kCaption), decipher(lp::constants::kCaption));
}

TEST(ConstantSegment, CarriesTheDatabaseFile) {
  std::string database = byteSet(lp::constants::kDatabase);
  if (database.empty()) GTEST_SKIP() << "built without lp-mkdb";
  EXPECT_EQ(database.substr(0, 19), std::string("\0\1\0\0Standard Jet DB", 19));
  EXPECT_EQ(database.size() % 4096, 0u) << "whole pages";
  EXPECT_EQ(lp::constants::kDatabase + 8 + database.size(), lp::constants::kSegmentLength);
}

}  // namespace
