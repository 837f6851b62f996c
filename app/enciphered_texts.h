// Texts the program carries only enciphered (caption, rights notice, update
// address), deciphered with the key constant.
#pragma once
#include <cstdint>
#include <string>

namespace reader {

// The plain text of the enciphered byte-set constant at `offset`; empty when
// it cannot be deciphered.
std::string decipheredConstant(uint32_t offset);

}  // namespace reader
