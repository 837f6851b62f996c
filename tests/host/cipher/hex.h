// Hex strings for the test vectors.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<uint8_t> fromHex(const std::string& hex) {
  std::vector<uint8_t> bytes;
  for (size_t k = 0; k + 1 < hex.size(); k += 2) bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(k, 2), nullptr, 16)));
  return bytes;
}

inline std::vector<uint8_t> bytesOf(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }
