// Reading and writing property data blocks: little-endian 32-bit and 16-bit
// values, counted texts and counted byte buffers. No platform headers: the
// host template builder uses it too.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lp {

// Reads a block front to back. A read past the end marks the reader failed;
// from then on every read gives zero or empty, so a caller reads all its
// fields and checks ok() once at the end.
class PropertyReader {
 public:
  PropertyReader(const uint8_t* data, size_t size);

  uint32_t u32();
  int32_t i32() { return static_cast<int32_t>(u32()); }
  uint16_t u16();
  uint8_t u8();
  bool logical() { return u32() != 0; }
  // A 32-bit byte count, then that many bytes; a count of 0 or less is empty.
  std::string text();
  std::vector<uint8_t> bytes();
  // The bytes up to (not including) a zero byte, which is consumed; fails
  // when no zero byte follows.
  std::string zeroTerminated();

  bool ok() const { return !failed_; }
  bool atEnd() const { return pos_ == size_; }
  size_t remaining() const { return size_ - pos_; }
  void fail() { failed_ = true; }

 private:
  const uint8_t* take(size_t count);

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool failed_ = false;
};

class PropertyWriter {
 public:
  void u32(uint32_t value);
  void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
  void u16(uint16_t value);
  void u8(uint8_t value) { out_.push_back(value); }
  void logical(bool value) { u32(value ? 1 : 0); }
  void text(const std::string& value);
  void bytes(const std::vector<uint8_t>& value);
  void zeroTerminated(const std::string& value);
  void raw(const uint8_t* data, size_t size);

  const std::vector<uint8_t>& data() const { return out_; }
  std::vector<uint8_t> take() { return std::move(out_); }

 private:
  std::vector<uint8_t> out_;
};

}  // namespace lp
