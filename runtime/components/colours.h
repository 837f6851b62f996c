// Colours as the components store them: COLORREF values 0x00BBGGRR.
#pragma once
#include <cstdint>

namespace lp {

// In a background colour: the system face colour, looked up when used.
// In a colour-or-none property: no colour at all.
constexpr uint32_t kClrDefault = 0xFF000000u;
constexpr uint32_t kClrBlack = 0x000000u;
constexpr uint32_t kClrWhite = 0xFFFFFFu;
constexpr uint32_t kClrGrey = 0x808080u;

}  // namespace lp
