// Checks shared by the data-object tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Every proper prefix of a well-formed block (except the empty one, which
// stands for the defaults) must fail to read, without crashing.
template <class Data>
void expectEveryTruncationFails(const std::vector<uint8_t>& block) {
  for (size_t length = 1; length < block.size(); ++length) {
    Data data;
    EXPECT_FALSE(data.read(block.data(), length)) << "prefix of " << length << " bytes";
  }
}

// A block claiming the version after the current one is refused.
template <class Data>
void expectLaterVersionFails(std::vector<uint8_t> block) {
  block[0] = static_cast<uint8_t>(Data::kVersion + 1);
  Data data;
  EXPECT_FALSE(data.read(block.data(), block.size()));
  block[0] = block[1] = block[2] = block[3] = 0xFF;  // a negative version is no older one
  EXPECT_FALSE(data.read(block.data(), block.size()));
}

template <class Data>
std::vector<uint8_t> defaultBlock() {
  return Data().write();
}
