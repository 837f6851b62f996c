// The edit box's typed input: which typed characters each input mode lets
// through, the text a box holds after losing the focus, and the step of the
// automatic adjuster. Texts are GBK. No platform headers.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lp {

// Whether the keystroke filter of the mode lets the character through.
// Characters below 32 (Backspace, Ctrl combinations) always pass.
bool inputModeAccepts(int32_t inputMode, uint32_t character);

// The text of a box in the mode once it loses the focus: numbers are read,
// brought into the mode's range and written back in their text form, a
// date-time likewise; a zero value, or a text that is no value, gives the
// empty text. Modes without normalisation return the text unchanged.
std::string normalisedInput(int32_t inputMode, std::string_view text);

// Whether the mode normalises the text on losing the focus.
bool inputModeNormalises(int32_t inputMode);

// The automatic adjuster: the value after one step up or down from the text
// (read as an integer, non-numeric text counting as 0) in the range
// lower..upper; stepping past either end wraps to the other end.
int32_t adjusterStep(std::string_view text, int32_t lower, int32_t upper, bool up);

// Integer reading as the modes do it: leading blanks, an optional sign, the
// digits up to the first other character; no digits give 0 and values
// beyond 64 bits stop at the nearest limit.
int64_t readInteger(std::string_view text);

}  // namespace lp
