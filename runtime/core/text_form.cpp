// Text forms of numbers, logicals, date-times, texts, byte-sets and arrays.
#include "runtime/core/text_form.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "runtime/core/date_time.h"
#include "runtime/core/memory_service.h"

namespace lp {

namespace {

uint64_t payload64(const ValueRecord& v) {
  return static_cast<uint64_t>(v.low) | static_cast<uint64_t>(v.high) << 32;
}

template <typename Number>
void appendInteger(Number n, std::string& out) {
  char buffer[24];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
  out.append(buffer, end);
}

// "%.<precision>g" without the locale or the C library's exponent width.
void appendGeneral(double d, int precision, std::string& out) {
  char buffer[48];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general,
                           precision).ptr;
  out.append(buffer, end);
}

// A float rounded to 6 significant digits, half away from zero, judged on
// its exact decimal expansion (at most 112 significant digits for a float),
// so that a float lying exactly halfway rounds up as the form requires.
double roundToSixDigits(float f) {
  double d = f;
  if (d == 0.0 || !std::isfinite(d)) return d;
  char exact[160];
  auto result = std::to_chars(exact, exact + sizeof exact, std::fabs(d),
                              std::chars_format::scientific, 120);
  // exact holds "D.DDDD...e[+-]XX".
  char digits[7] = {exact[0], exact[2], exact[3], exact[4], exact[5], exact[6], 0};
  int exponent = 0;
  const char* e = static_cast<const char*>(std::memchr(exact, 'e', result.ptr - exact));
  std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, exponent);
  if (exact[7] >= '5') {
    int i = 5;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';
      ++exponent;
    }
  }
  char decimal[24];
  int n = std::snprintf(decimal, sizeof decimal, "%se%d", digits, exponent - 5);
  double rounded = 0;
  std::from_chars(decimal, decimal + n, rounded);
  return d < 0 ? -rounded : rounded;
}

void appendFloat(uint32_t bits, std::string& out) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  appendGeneral(roundToSixDigits(f), 6, out);
}

void appendDouble(uint64_t bits, std::string& out) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  appendGeneral(d, 13, out);
}

void appendDateTime(uint64_t bits, std::string& out) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  const DateTimeParts p = splitDateTime(d);
  char buffer[80];
  int n = std::snprintf(buffer, sizeof buffer, "%d年%d月%d日", p.year, p.month, p.day);
  if (p.second != 0) {
    n += std::snprintf(buffer + n, sizeof buffer - n, "%d时%d分%d秒", p.hour, p.minute, p.second);
  } else if (p.minute != 0) {
    n += std::snprintf(buffer + n, sizeof buffer - n, "%d时%d分", p.hour, p.minute);
  } else if (p.hour != 0) {
    n += std::snprintf(buffer + n, sizeof buffer - n, "%d时", p.hour);
  }
  out.append(buffer, n);
}

// Bytes up to, not including, the first zero.
void appendBytes(const unsigned char* bytes, int64_t count, std::string& out) {
  if (!bytes || count <= 0) return;
  const void* zero = std::memchr(bytes, 0, static_cast<size_t>(count));
  const unsigned char* end = zero ? static_cast<const unsigned char*>(zero) : bytes + count;
  out.append(reinterpret_cast<const char*>(bytes), end - bytes);
}

// A numeric array reads as its bytes when it has one dimension.
void appendNumericArray(const void* block, int width, std::string& out) {
  if (!block || static_cast<const int32_t*>(block)[0] != 1) return;
  appendBytes(arrayElements(block), arrayElementCount(block) * width, out);
}

}  // namespace

void appendTextForm(const ValueRecord& value, std::string& out) {
  switch (value.type) {
    case kByte: appendInteger(static_cast<unsigned>(value.low & 0xFFu), out); return;
    case kShort: appendInteger(static_cast<int16_t>(value.low & 0xFFFFu), out); return;
    case kInt: appendInteger(static_cast<int32_t>(value.low), out); return;
    case kLong: appendInteger(static_cast<int64_t>(payload64(value)), out); return;
    case kFloat: appendFloat(value.low, out); return;
    case kDouble: appendDouble(payload64(value), out); return;
    case kLogical: out += value.low != 0 ? "真" : "假"; return;
    case kDateTime: appendDateTime(payload64(value), out); return;
    case kText: {
      const char* text = static_cast<const char*>(recordPointer(value));
      if (text) out += text;
      return;
    }
    case kByteSet: {
      const void* block = recordPointer(value);
      appendBytes(byteSetData(block), byteSetSize(block), out);
      return;
    }
    default:
      if (isArrayType(value.type) && isNumericType(elementType(value.type))) {
        appendNumericArray(recordPointer(value), numericWidth(elementType(value.type)), out);
      }
      return;
  }
}

std::string textForm(const ValueRecord& value) {
  std::string text;
  appendTextForm(value, text);
  return text;
}

char* toText(const ValueRecord& value) {
  const std::string text = textForm(value);
  return copyText(text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace lp
