// The RC4 stream cipher, with no key-stream bytes discarded. Enciphering and
// deciphering are the same operation. Portable: the constant-segment builder
// enciphers with it and the decryption command deciphers with it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lp {

struct Rc4State {
  uint8_t s[256];
  uint8_t i;
  uint8_t j;
};

// Key scheduling. An empty key leaves the identity permutation.
void rc4Start(Rc4State& state, const uint8_t* key, size_t keyLength);

// XORs the next key-stream bytes into data.
void rc4Transform(Rc4State& state, uint8_t* data, size_t length);

// Both steps with a fresh state: data is enciphered (or deciphered) in place.
void rc4Apply(const uint8_t* key, size_t keyLength, uint8_t* data, size_t length);

}  // namespace lp
