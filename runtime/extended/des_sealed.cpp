#include "runtime/extended/des_sealed.h"

#include <cstring>

namespace lp {
namespace {

// Permutation tables number bits from 1, most significant first.
const uint8_t kInitialPermutation[64] = {
    58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
    62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
    57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
    61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};

const uint8_t kFinalPermutation[64] = {
    40, 8, 48, 16, 56, 24, 64, 32, 39, 7, 47, 15, 55, 23, 63, 31,
    38, 6, 46, 14, 54, 22, 62, 30, 37, 5, 45, 13, 53, 21, 61, 29,
    36, 4, 44, 12, 52, 20, 60, 28, 35, 3, 43, 11, 51, 19, 59, 27,
    34, 2, 42, 10, 50, 18, 58, 26, 33, 1, 41, 9,  49, 17, 57, 25};

const uint8_t kExpansion[48] = {
    32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,  8,  9,  10, 11,
    12, 13, 12, 13, 14, 15, 16, 17, 16, 17, 18, 19, 20, 21, 20, 21,
    22, 23, 24, 25, 24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1};

const uint8_t kRoundPermutation[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

const uint8_t kPermutedChoice1[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

const uint8_t kPermutedChoice2[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
    26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
    51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

const uint8_t kRotations[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

// Row r, column c of box b at kSubstitution[b][16 * r + c].
const uint8_t kSubstitution[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8,  3,  10, 6,  12, 5,  9,  0, 7,
     0,  15, 7,  4, 14, 2,  13, 1,  10, 6,  12, 11, 9,  5,  3, 8,
     4,  1,  14, 8, 13, 6,  2,  11, 15, 12, 9,  7,  3,  10, 5, 0,
     15, 12, 8,  2, 4,  9,  1,  7,  5,  11, 3,  14, 10, 0,  6, 13},
    {15, 1,  8,  14, 6,  11, 3,  4,  9,  7, 2,  13, 12, 0, 5,  10,
     3,  13, 4,  7,  15, 2,  8,  14, 12, 0, 1,  10, 6,  9, 11, 5,
     0,  14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,  9,  3, 2,  15,
     13, 8,  10, 1,  3,  15, 4,  2,  11, 6, 7,  12, 0,  5, 14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7,  11, 4,  2,  8,
     13, 7,  0,  9,  3, 4,  6,  10, 2,  8,  5,  14, 12, 11, 15, 1,
     13, 6,  4,  9,  8, 15, 3,  0,  11, 1,  2,  12, 5,  10, 14, 7,
     1,  10, 13, 0,  6, 9,  8,  7,  4,  15, 14, 3,  11, 5,  2,  12},
    {7,  13, 14, 3, 0,  6,  9,  10, 1,  2, 8, 5,  11, 12, 4,  15,
     13, 8,  11, 5, 6,  15, 0,  3,  4,  7, 2, 12, 1,  10, 14, 9,
     10, 6,  9,  0, 12, 11, 7,  13, 15, 1, 3, 14, 5,  2,  8,  4,
     3,  15, 0,  6, 10, 1,  13, 8,  9,  4, 5, 11, 12, 7,  2,  14},
    {2,  12, 4,  1,  7,  10, 11, 6,  8,  5,  3,  15, 13, 0, 14, 9,
     14, 11, 2,  12, 4,  7,  13, 1,  5,  0,  15, 10, 3,  9, 8,  6,
     4,  2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,  6,  3, 0,  14,
     11, 8,  12, 7,  1,  14, 2,  13, 6,  15, 0,  9,  10, 4, 5,  3},
    {12, 1,  10, 15, 9, 2,  6,  8,  0,  13, 3,  4,  14, 7,  5,  11,
     10, 15, 4,  2,  7, 12, 9,  5,  6,  1,  13, 14, 0,  11, 3,  8,
     9,  14, 15, 5,  2, 8,  12, 3,  7,  0,  4,  10, 1,  13, 11, 6,
     4,  3,  2,  12, 9, 5,  15, 10, 11, 14, 1,  7,  6,  0,  8,  13},
    {4,  11, 2,  14, 15, 0, 8,  13, 3,  12, 9, 7,  5,  10, 6, 1,
     13, 0,  11, 7,  4,  9, 1,  10, 14, 3,  5, 12, 2,  15, 8, 6,
     1,  4,  11, 13, 12, 3, 7,  14, 10, 15, 6, 8,  0,  5,  9, 2,
     6,  11, 13, 8,  1,  4, 10, 7,  9,  5,  0, 15, 14, 2,  3, 12},
    {13, 2,  8,  4, 6,  15, 11, 1,  10, 9,  3,  14, 5,  0,  12, 7,
     1,  15, 13, 8, 10, 3,  7,  4,  12, 5,  6,  11, 0,  14, 9,  2,
     7,  11, 4,  1, 9,  12, 14, 2,  0,  6,  10, 13, 15, 3,  5,  8,
     2,  1,  14, 7, 4,  10, 8,  13, 15, 12, 9,  0,  3,  5,  6,  11}};

// Output bit k (most significant first) is input bit table[k] of an
// inBits-wide input.
uint64_t permute(uint64_t input, int inBits, const uint8_t* table, int outBits) {
  uint64_t output = 0;
  for (int k = 0; k < outBits; ++k) output = (output << 1) | ((input >> (inBits - table[k])) & 1u);
  return output;
}

uint8_t reverseBits(uint8_t b) {
  uint8_t r = 0;
  for (int k = 0; k < 8; ++k) r = static_cast<uint8_t>((r << 1) | ((b >> k) & 1u));
  return r;
}

uint32_t rotateLeft28(uint32_t half, int count) {
  return ((half << count) | (half >> (28 - count))) & 0x0FFFFFFFu;
}

uint32_t roundFunction(uint32_t right, uint64_t roundKey) {
  uint64_t mixed = permute(right, 32, kExpansion, 48) ^ roundKey;
  uint32_t substituted = 0;
  for (int box = 0; box < 8; ++box) {
    unsigned six = static_cast<unsigned>(mixed >> (42 - 6 * box)) & 0x3Fu;
    unsigned row = ((six >> 4) & 2u) | (six & 1u);
    unsigned column = (six >> 1) & 0xFu;
    substituted = (substituted << 4) | kSubstitution[box][16 * row + column];
  }
  return static_cast<uint32_t>(permute(substituted, 32, kRoundPermutation, 32));
}

}  // namespace

void foldDesKey(const uint8_t* key, size_t keyLength, uint8_t folded[8]) {
  std::memset(folded, 0, 8);
  for (size_t t = 0; t < keyLength; ++t) folded[t % 8] ^= key[t];
}

void makeDesSchedule(const uint8_t key[8], DesDirection direction, DesSchedule& schedule) {
  uint64_t keyBits = 0;
  for (int k = 0; k < 8; ++k) keyBits = (keyBits << 8) | reverseBits(key[k]);
  uint64_t chosen = permute(keyBits, 64, kPermutedChoice1, 56);
  uint32_t c = static_cast<uint32_t>(chosen >> 28) & 0x0FFFFFFFu;
  uint32_t d = static_cast<uint32_t>(chosen) & 0x0FFFFFFFu;
  for (int round = 0; round < 16; ++round) {
    c = rotateLeft28(c, kRotations[round]);
    d = rotateLeft28(d, kRotations[round]);
    uint64_t roundKey = permute((static_cast<uint64_t>(c) << 28) | d, 56, kPermutedChoice2, 48);
    int slot = direction == DesDirection::kEncrypt ? round : 15 - round;
    schedule.roundKeys[slot] = roundKey;
  }
}

void desCryptBlock(const DesSchedule& schedule, uint8_t block[8]) {
  uint64_t bits = 0;
  for (int k = 0; k < 8; ++k) bits = (bits << 8) | block[k];
  bits = permute(bits, 64, kInitialPermutation, 64);
  uint32_t left = static_cast<uint32_t>(bits >> 32);
  uint32_t right = static_cast<uint32_t>(bits);
  for (int round = 0; round < 16; ++round) {
    uint32_t next = left ^ roundFunction(right, schedule.roundKeys[round]);
    left = right;
    right = next;
  }
  bits = permute((static_cast<uint64_t>(right) << 32) | left, 64, kFinalPermutation, 64);
  for (int k = 7; k >= 0; --k) {
    block[k] = static_cast<uint8_t>(bits);
    bits >>= 8;
  }
}

bool openDesSealed(uint8_t* data, size_t length, const uint8_t* key, size_t keyLength,
                   size_t* plainLength) {
  if (length == 0 || length % 8 != 0) return false;
  uint8_t folded[8];
  foldDesKey(key, keyLength, folded);
  DesSchedule schedule;
  makeDesSchedule(folded, DesDirection::kDecrypt, schedule);
  for (size_t offset = 0; offset < length; offset += 8) desCryptBlock(schedule, data + offset);
  int64_t n = static_cast<int32_t>(static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                                   static_cast<uint32_t>(data[2]) << 16 |
                                   static_cast<uint32_t>(data[3]) << 24);
  int64_t total = static_cast<int64_t>(length);
  if (n <= 0 || n > total - 4 || total >= n + 12) return false;
  *plainLength = static_cast<size_t>(n);
  return true;
}

std::vector<uint8_t> sealDes(const uint8_t* plain, size_t length, const uint8_t* key,
                             size_t keyLength) {
  std::vector<uint8_t> sealed((length + 4 + 7) / 8 * 8, 0);
  uint32_t n = static_cast<uint32_t>(length);
  for (int k = 0; k < 4; ++k) sealed[k] = static_cast<uint8_t>(n >> (8 * k));
  if (length > 0) std::memcpy(sealed.data() + 4, plain, length);
  uint8_t folded[8];
  foldDesKey(key, keyLength, folded);
  DesSchedule schedule;
  makeDesSchedule(folded, DesDirection::kEncrypt, schedule);
  for (size_t offset = 0; offset < sealed.size(); offset += 8) desCryptBlock(schedule, sealed.data() + offset);
  return sealed;
}

}  // namespace lp
