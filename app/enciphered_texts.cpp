#include "app/enciphered_texts.h"

#include "app/commands.h"
#include "constant_layout.h"

namespace reader {

std::string decipheredConstant(uint32_t offset) {
  // The key byte-set read as text gives its 20 characters.
  const std::string key = cmd::toText(byteSetValue(lp::constants::at(lp::constants::kKey)));
  return cmd::decryptToText(lp::constants::at(offset), key);
}

}  // namespace reader
