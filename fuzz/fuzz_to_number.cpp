// ToNumber on texts: never NaN; the value the C library reads from the text
// once its full-width forms are ASCII (where both take the same forms); and
// writing every ASCII character in its full-width form changes nothing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_text_input.h"
#include "runtime/core/gbk_step.h"
#include "runtime/core/text_number.h"

namespace {

using fuzz::check;

// The text with each one-byte character that has a full-width form written
// in that form.
std::string widened(std::string_view text) {
  std::string out;
  for (size_t at = 0; at < text.size();) {
    const size_t width = lp::characterWidth(text.data() + at, text.size() - at);
    const auto c = static_cast<unsigned char>(text[at]);
    if (width == 1 && c == ' ') {
      out += "\xA1\xA1";
    } else if (width == 1 && c >= 0x21 && c <= 0x7E) {
      out += '\xA3';
      out += static_cast<char>(c + 0x80);
    } else {
      out.append(text, at, width);
    }
    at += width;
  }
  return out;
}

// Whether the C library would read a spelling the command does not take:
// hexadecimal, infinity or NaN.
bool otherSpelling(const std::string& ascii) {
  size_t i = ascii.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return false;
  if (ascii[i] == '+' || ascii[i] == '-') ++i;
  const std::string rest = ascii.substr(i, 2);
  return rest == "0x" || rest == "0X" || (!rest.empty() && (rest[0] == 'i' || rest[0] == 'I' || rest[0] == 'n' || rest[0] == 'N'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  const std::string_view text = input.text();
  const double value = lp::textToNumber(text);
  check(!std::isnan(value));

  const std::string ascii = lp::fullWidthToAscii(text);
  if (!otherSpelling(ascii)) check(value == std::strtod(ascii.c_str(), nullptr));

  const std::string wide = widened(text);
  const double again = lp::textToNumber(wide);
  check(again == value);
  return 0;
}
