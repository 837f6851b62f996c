#include "tools/jet4/header_page.h"

#include "tools/jet4/page_size.h"

#include <cstring>

namespace jet4 {
namespace {

constexpr size_t kMaskStart = 0x18;
constexpr size_t kMaskLength = 128;
const uint8_t kMaskKey[4] = {0xC7, 0xDA, 0x39, 0x6B};

Bytes rc4Keystream(const uint8_t* key, size_t keyLength, size_t length) {
  uint8_t s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<uint8_t>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + key[i % keyLength]) & 0xFF;
    std::swap(s[i], s[j]);
  }
  Bytes stream;
  for (size_t n = 0, i = 0, j = 0; n < length; ++n) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    stream.push_back(s[(s[i] + s[j]) & 0xFF]);
  }
  return stream;
}

}  // namespace

void toggleHeaderMask(Bytes& page) {
  Bytes stream = rc4Keystream(kMaskKey, sizeof kMaskKey, kMaskLength);
  for (size_t i = 0; i < kMaskLength; ++i) page[kMaskStart + i] ^= stream[i];
}

Bytes headerPage(double creationDate) {
  Bytes page(kPageSize, 0);
  const uint8_t signature[] = {0x00, 0x01, 0x00, 0x00};
  std::memcpy(&page[0], signature, sizeof signature);
  std::memcpy(&page[4], "Standard Jet DB", 16);
  page[0x14] = 0x01;  // Jet 4
  const uint8_t fixed[] = {0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
                           0x03, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00};
  std::memcpy(&page[0x18], fixed, sizeof fixed);
  putU16(page, 0x3C, 1252);
  putU32(page, 0x3E, 0);  // no database key: pages are not enciphered
  // An empty password is stored as the creation date's whole days, ten times.
  uint32_t days = static_cast<uint32_t>(static_cast<int32_t>(creationDate));
  for (int i = 0; i < 10; ++i) putU32(page, 0x42 + 4 * i, days);
  putU16(page, 0x6E, 0x0409);
  std::memcpy(&page[0x72], &creationDate, sizeof creationDate);
  const uint8_t tail[] = {0x54, 0x06, 0x00, 0x00, 0x34, 0x2E, 0x30, 0x00};
  std::memcpy(&page[0x98], tail, sizeof tail);
  toggleHeaderMask(page);
  page[0xE00] = 0x01;
  page[0xE01] = 0x01;
  for (size_t at = 0xE02; at < kPageSize; at += 2) page[at + 1] = 0x01;
  return page;
}

}  // namespace jet4
