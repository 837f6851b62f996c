// DES in ECB mode with this program's key handling, and the sealed-block
// format the decryption command reads: int32 plain length n (little-endian),
// the n plain bytes, zero bytes up to a multiple of 8, all enciphered.
// Key handling differs from textbook DES in two ways: any key text is folded
// into 8 bytes by XOR, and the bits of each key byte are taken least
// significant first. Portable: no platform headers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lp {

enum class DesDirection { kEncrypt, kDecrypt };

// The 16 round keys (48 bits each) in the order the rounds use them.
struct DesSchedule {
  uint64_t roundKeys[16];
};

// K starts as eight zero bytes; key byte t is XORed into K[t mod 8].
void foldDesKey(const uint8_t* key, size_t keyLength, uint8_t folded[8]);

// Round keys for the 8-byte key, bits of each byte least significant first.
// Decryption uses the encryption round keys in reverse order.
void makeDesSchedule(const uint8_t key[8], DesDirection direction, DesSchedule& schedule);

// One 8-byte block through the standard DES block function, in place.
void desCryptBlock(const DesSchedule& schedule, uint8_t block[8]);

// Deciphers a sealed block in place with a key text. True when the length
// is a non-zero multiple of 8 and the length field n fits: n > 0,
// n <= length - 4 and length < n + 12; the plain bytes then start at data + 4.
bool openDesSealed(uint8_t* data, size_t length, const uint8_t* key, size_t keyLength,
                   size_t* plainLength);

// The sealed block holding the plain bytes, enciphered with a key text.
std::vector<uint8_t> sealDes(const uint8_t* plain, size_t length, const uint8_t* key,
                             size_t keyLength);

}  // namespace lp
