// Font properties on Win32: a 60-byte buffer is a LOGFONTA, anything else
// stands for the stock GUI font. A component that sends WM_SETFONT owns the
// font it created and deletes the previous one on every change.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lp {

// A new font for a 60-byte buffer; null (meaning DEFAULT_GUI_FONT) otherwise.
HFONT createFontFromBuffer(const uint8_t* data, size_t size);

// Sends the window the font for the buffer (redraw on), deleting the font
// the component created before; owned receives the new font, or null.
void applyFont(HWND window, const std::vector<uint8_t>& buffer, HFONT& owned);

// The font to select for drawing: owned when set, else DEFAULT_GUI_FONT.
inline HFONT fontOrDefault(HFONT owned) {
  return owned ? owned : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace lp
