#include "runtime/components/edit_box_input.h"

#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "runtime/components/date_time_text.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/core/text_form.h"

namespace lp {
namespace {

bool isDigit(uint32_t c) { return c >= '0' && c <= '9'; }

size_t skipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return i;
}

// Leading blanks, then a decimal number as far as it goes; 0 when none.
double readNumber(std::string_view text) {
  size_t i = skipBlanks(text);
  if (i < text.size() && text[i] == '+') ++i;
  double value = 0;
  const char* first = text.data() + i;
  std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
  return std::isfinite(value) ? value : 0;
}

int64_t clampTo(int64_t value, int64_t lower, int64_t upper) {
  return value < lower ? lower : value > upper ? upper : value;
}

std::string textOf(uint32_t type, uint64_t payload) {
  ValueRecord value = {static_cast<uint32_t>(payload), static_cast<uint32_t>(payload >> 32), type};
  return textForm(value);
}

std::string integerText(int64_t value) { return value == 0 ? std::string() : std::to_string(value); }

std::string floatText(double number) {
  float f = static_cast<float>(number > FLT_MAX ? FLT_MAX : number < -FLT_MAX ? -FLT_MAX : number);
  if (f == 0) return {};
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return textOf(kFloat, bits);
}

std::string doubleText(double number) {
  if (number == 0) return {};
  uint64_t bits;
  std::memcpy(&bits, &number, sizeof bits);
  return textOf(kDouble, bits);
}

std::string dateTimeText(std::string_view text) {
  double day = 0;
  if (!parseDateTimeText(text, &day) || day == 0) return {};
  uint64_t bits;
  std::memcpy(&bits, &day, sizeof bits);
  return textOf(kDateTime, bits);
}

}  // namespace

bool inputModeAccepts(int32_t inputMode, uint32_t character) {
  if (character < 32) return true;
  switch (inputMode) {
    case EditBoxData::kByteInput:
      return isDigit(character);
    case EditBoxData::kIntegerTextInput:
    case EditBoxData::kShortInput:
    case EditBoxData::kIntInput:
    case EditBoxData::kLongInput:
      return isDigit(character) || character == '-';
    case EditBoxData::kDecimalTextInput:
    case EditBoxData::kFloatInput:
    case EditBoxData::kDoubleInput:
      return isDigit(character) || character == '-' || character == '.';
    default:
      return true;
  }
}

bool inputModeNormalises(int32_t inputMode) {
  return inputMode >= EditBoxData::kByteInput && inputMode <= EditBoxData::kDateTimeInput;
}

int64_t readInteger(std::string_view text) {
  size_t i = skipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // Accumulated as a negative number so that the lowest value fits.
  int64_t value = 0;
  constexpr int64_t kLowest = std::numeric_limits<int64_t>::min();
  for (; i < text.size() && isDigit(static_cast<unsigned char>(text[i])); ++i) {
    const int digit = text[i] - '0';
    value = value < (kLowest + digit) / 10 ? kLowest : value * 10 - digit;
  }
  if (negative) return value;
  return value == kLowest ? std::numeric_limits<int64_t>::max() : -value;
}

std::string normalisedInput(int32_t inputMode, std::string_view text) {
  switch (inputMode) {
    case EditBoxData::kByteInput: return integerText(clampTo(readInteger(text), 0, 255));
    case EditBoxData::kShortInput: return integerText(clampTo(readInteger(text), -32768, 32767));
    case EditBoxData::kIntInput:
      return integerText(clampTo(readInteger(text), std::numeric_limits<int32_t>::min(),
                                 std::numeric_limits<int32_t>::max()));
    case EditBoxData::kLongInput: return integerText(readInteger(text));
    case EditBoxData::kFloatInput: return floatText(readNumber(text));
    case EditBoxData::kDoubleInput: return doubleText(readNumber(text));
    case EditBoxData::kDateTimeInput: return dateTimeText(text);
    default: return std::string(text);
  }
}

int32_t adjusterStep(std::string_view text, int32_t lower, int32_t upper, bool up) {
  const int64_t v = readInteger(text);
  if (up) {
    const int64_t next = v + (v < std::numeric_limits<int64_t>::max() ? 1 : 0);
    return next > upper || next < lower ? lower : static_cast<int32_t>(next);
  }
  const int64_t next = v - (v > std::numeric_limits<int64_t>::min() ? 1 : 0);
  return next < lower || next > upper ? upper : static_cast<int32_t>(next);
}

}  // namespace lp
