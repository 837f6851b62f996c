// Fuzz inputs cut into the parts a text command takes, and the check that
// ends the run when an invariant fails. Texts reach the
// runtime zero-terminated, so each part ends at its first zero byte; each is
// copied into a block of exactly its length so that reading past it is caught.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace fuzz {

inline void check(bool condition) {
  if (!condition) std::abort();
}

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // The next byte, 0 once the input is used up.
  uint8_t byte() { return size_ ? (--size_, *data_++) : 0; }

  // A text of at most `limit` bytes, or of all that is left.
  std::string_view text(size_t limit = SIZE_MAX) {
    const size_t taken = limit < size_ ? limit : size_;
    const auto* zero = static_cast<const uint8_t*>(std::memchr(data_, 0, taken));
    const size_t length = zero ? static_cast<size_t>(zero - data_) : taken;
    char* block = blocks_.emplace_back(new char[length ? length : 1]).get();
    std::memcpy(block, data_, length);
    data_ += taken, size_ -= taken;
    return {block, length};
  }

 private:
  const uint8_t* data_;
  size_t size_;
  std::vector<std::unique_ptr<char[]>> blocks_;
};

}  // namespace fuzz
