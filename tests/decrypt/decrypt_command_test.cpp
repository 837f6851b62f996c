// DecryptData called the way compiled code calls a library command: value
// records in, a byte-set value record out.
#include "runtime/extended/decrypt_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/core/memory_service.h"
#include "runtime/core/value.h"
#include "runtime/extended/des_sealed.h"
#include "runtime/extended/rc4.h"

namespace {

struct ByteSet {
  void* block;
  explicit ByteSet(const std::string& bytes)
      : block(lp::makeByteSet(bytes.data(), static_cast<int32_t>(bytes.size()))) {}
  ~ByteSet() { lp::release(block); }
  std::string bytes() const {
    return std::string(reinterpret_cast<const char*>(lp::byteSetData(block)), lp::byteSetSize(block));
  }
};

std::string rc4(const std::string& key, std::string data) {
  lp::rc4Apply(reinterpret_cast<const uint8_t*>(key.data()), key.size(), reinterpret_cast<uint8_t*>(&data[0]),
               data.size());
  return data;
}

std::string sealDes(const std::string& key, const std::string& plain) {
  std::vector<uint8_t> sealed = lp::sealDes(reinterpret_cast<const uint8_t*>(plain.data()), plain.size(),
                                            reinterpret_cast<const uint8_t*>(key.data()), key.size());
  return std::string(sealed.begin(), sealed.end());
}

lp::ValueRecord byteSetArgument(const void* block) {
  lp::ValueRecord r{};
  lp::setRecordPointer(r, block, lp::kByteSet);
  return r;
}

lp::ValueRecord textArgument(const char* text) {
  lp::ValueRecord r{};
  lp::setRecordPointer(r, text, lp::kText);
  return r;
}

lp::ValueRecord intArgument(int32_t value, uint32_t type = lp::kInt) {
  return lp::ValueRecord{static_cast<uint32_t>(value), 0, type};
}

// Calls the command; returns the result's bytes, or "<empty>" for no block.
std::string decrypt(std::vector<lp::ValueRecord> args) {
  lp::ValueRecord result{0xDEADBEEF, 0xDEADBEEF, 0};
  lp::decryptData(&result, static_cast<int32_t>(args.size()), args.data());
  EXPECT_EQ(result.type, lp::kByteSet);
  void* block = lp::recordPointer(result);
  if (!block) return "<empty>";
  const lp::ByteSetHead* head = static_cast<const lp::ByteSetHead*>(block);
  EXPECT_EQ(head->dimensions, 1);
  std::string bytes(reinterpret_cast<const char*>(head + 1), static_cast<size_t>(head->count));
  lp::release(block);
  return bytes;
}

const char kKey[] = "k7M!p2Q#r9S%t4U^v6W&";

TEST(DecryptData, Rc4WithAlgorithmTwo) {
  std::string plain("\xb9\xe2\xc2\xb7 1.0\0tail", 11);
  ByteSet input(rc4(kKey, plain));
  EXPECT_EQ(decrypt({byteSetArgument(input.block), textArgument(kKey), intArgument(2)}), plain);
  EXPECT_EQ(input.bytes(), rc4(kKey, plain)) << "the input stays enciphered";
}

TEST(DecryptData, Rc4WithEmptyKeyUsesTheIdentityPermutation) {
  ByteSet input(std::string(1, '\0'));
  EXPECT_EQ(decrypt({byteSetArgument(input.block), textArgument(nullptr), intArgument(2)}), "\x02");
  EXPECT_EQ(decrypt({byteSetArgument(input.block), textArgument(""), intArgument(2)}), "\x02");
}

TEST(DecryptData, OmittedAlgorithmSelectsDes) {
  ByteSet sealed(sealDes(kKey, "Hello"));
  EXPECT_EQ(decrypt({byteSetArgument(sealed.block), textArgument(kKey)}), "Hello");
  EXPECT_EQ(sealed.bytes(), sealDes(kKey, "Hello"));
  // A type-0 third argument is how compiled code passes an omitted one.
  EXPECT_EQ(decrypt({byteSetArgument(sealed.block), textArgument(kKey), lp::ValueRecord{0, 0, lp::kNoValue}}),
            "Hello");
}

TEST(DecryptData, AnyOtherAlgorithmOrTypeSelectsDes) {
  ByteSet sealed(sealDes(kKey, "Hello"));
  EXPECT_EQ(decrypt({byteSetArgument(sealed.block), textArgument(kKey), intArgument(1)}), "Hello");
  EXPECT_EQ(decrypt({byteSetArgument(sealed.block), textArgument(kKey), intArgument(2, lp::kShort)}), "Hello");
  EXPECT_EQ(decrypt({byteSetArgument(sealed.block), textArgument(kKey), intArgument(2, lp::kLong)}), "Hello");
}

TEST(DecryptData, RefusedInputsGiveTheEmptyByteSet) {
  ByteSet twelve(std::string(12, 'x'));
  EXPECT_EQ(decrypt({byteSetArgument(twelve.block), textArgument(kKey)}), "<empty>");
  // RC4-enciphered data read as DES: the length field does not fit.
  ByteSet rc4Data(rc4(kKey, std::string(16, 'a')));
  EXPECT_EQ(decrypt({byteSetArgument(rc4Data.block), textArgument(kKey)}), "<empty>");
  ByteSet sealed(sealDes(kKey, "Hello"));
  EXPECT_EQ(decrypt({byteSetArgument(sealed.block), textArgument("another key")}), "<empty>");
}

TEST(DecryptData, EmptyOrMissingInputGivesTheEmptyByteSet) {
  EXPECT_EQ(decrypt({byteSetArgument(nullptr), textArgument(kKey), intArgument(2)}), "<empty>");
  const int32_t emptyBlock[2] = {1, 0};
  EXPECT_EQ(decrypt({byteSetArgument(emptyBlock), textArgument(kKey), intArgument(2)}), "<empty>");
  EXPECT_EQ(decrypt({}), "<empty>");
  EXPECT_EQ(decrypt({textArgument(kKey), textArgument(kKey), intArgument(2)}), "<empty>");
}

TEST(DecryptData, ReadsAConstantBlockWithoutWritingIt) {
  static const struct {
    int32_t dimensions;
    int32_t count;
    char bytes[9];
  } constant = {1, 9, {'\xbb', '\xf3', '\x16', '\xe8', '\xd9', '\x40', '\xaf', '\x0a', '\xd3'}};
  EXPECT_EQ(decrypt({byteSetArgument(&constant), textArgument("Key"), intArgument(2)}), "Plaintext");
}

}  // namespace
