#include "runtime/extended/rc4.h"

#include <utility>

namespace lp {

void rc4Start(Rc4State& state, const uint8_t* key, size_t keyLength) {
  for (int k = 0; k < 256; ++k) state.s[k] = static_cast<uint8_t>(k);
  state.i = 0;
  state.j = 0;
  if (keyLength == 0) return;
  uint8_t j = 0;
  for (size_t k = 0; k < 256; ++k) {
    j = static_cast<uint8_t>(j + state.s[k] + key[k % keyLength]);
    std::swap(state.s[k], state.s[j]);
  }
}

void rc4Transform(Rc4State& state, uint8_t* data, size_t length) {
  uint8_t i = state.i;
  uint8_t j = state.j;
  for (size_t n = 0; n < length; ++n) {
    i = static_cast<uint8_t>(i + 1);
    j = static_cast<uint8_t>(j + state.s[i]);
    std::swap(state.s[i], state.s[j]);
    data[n] ^= state.s[static_cast<uint8_t>(state.s[i] + state.s[j])];
  }
  state.i = i;
  state.j = j;
}

void rc4Apply(const uint8_t* key, size_t keyLength, uint8_t* data, size_t length) {
  Rc4State state;
  rc4Start(state, key, keyLength);
  rc4Transform(state, data, length);
}

}  // namespace lp
