#include "runtime/components/property_stream.h"

#include <cstring>

namespace lp {

PropertyReader::PropertyReader(const uint8_t* data, size_t size)
    : data_(data), size_(data ? size : 0) {}

const uint8_t* PropertyReader::take(size_t count) {
  if (failed_ || count > size_ - pos_) {
    failed_ = true;
    return nullptr;
  }
  const uint8_t* at = data_ + pos_;
  pos_ += count;
  return at;
}

uint32_t PropertyReader::u32() {
  const uint8_t* p = take(4);
  if (!p) return 0;
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t PropertyReader::u16() {
  const uint8_t* p = take(2);
  if (!p) return 0;
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint8_t PropertyReader::u8() {
  const uint8_t* p = take(1);
  return p ? *p : 0;
}

std::string PropertyReader::text() {
  int32_t count = i32();
  if (count <= 0) return std::string();
  const uint8_t* p = take(static_cast<size_t>(count));
  if (!p) return std::string();
  return std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(count));
}

std::vector<uint8_t> PropertyReader::bytes() {
  int32_t count = i32();
  if (count <= 0) return {};
  const uint8_t* p = take(static_cast<size_t>(count));
  if (!p) return {};
  return std::vector<uint8_t>(p, p + count);
}

std::string PropertyReader::zeroTerminated() {
  if (failed_ || pos_ == size_) {
    failed_ = true;
    return std::string();
  }
  const void* end = std::memchr(data_ + pos_, 0, size_ - pos_);
  if (!end) {
    failed_ = true;
    return std::string();
  }
  size_t length = static_cast<const uint8_t*>(end) - (data_ + pos_);
  std::string value(reinterpret_cast<const char*>(data_ + pos_), length);
  pos_ += length + 1;
  return value;
}

void PropertyWriter::u32(uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<uint8_t>(value >> shift));
}

void PropertyWriter::u16(uint16_t value) {
  out_.push_back(static_cast<uint8_t>(value));
  out_.push_back(static_cast<uint8_t>(value >> 8));
}

void PropertyWriter::text(const std::string& value) {
  u32(static_cast<uint32_t>(value.size()));
  raw(reinterpret_cast<const uint8_t*>(value.data()), value.size());
}

void PropertyWriter::bytes(const std::vector<uint8_t>& value) {
  u32(static_cast<uint32_t>(value.size()));
  raw(value.data(), value.size());
}

void PropertyWriter::zeroTerminated(const std::string& value) {
  raw(reinterpret_cast<const uint8_t*>(value.c_str()), value.size() + 1);
}

void PropertyWriter::raw(const uint8_t* data, size_t size) {
  if (size) out_.insert(out_.end(), data, data + size);
}

}  // namespace lp
