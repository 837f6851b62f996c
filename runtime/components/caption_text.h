// Drawing a caption with its text effect: shared by the label and the
// transparent label, which both paint their text themselves.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

namespace lp {

// The DrawText format: DT_NOCLIP, the horizontal alignment (0 left, 1 centre,
// 2 right); with word wrap DT_WORDBREAK and DT_VCENTER (which DrawText
// ignores for wrapped text, so it starts at the top); without it a single
// line at the top, centre or bottom. No DT_NOPREFIX: "&" underlines the
// mnemonic letter after it.
UINT captionFormat(int32_t horizontalAlign, bool wordWrap, int32_t verticalAlign);

// Effects: 0 plain; 1 a white copy at (+1, +1) behind the text; 2 a white
// copy behind the text, which moves to (+1, +1); 3 a black shadow at
// (+2, +2). The caller has selected the font and the transparent mode.
void drawCaption(HDC dc, const std::wstring& text, const RECT& area, UINT format, int32_t effect, COLORREF colour);

// The window's text, as the system holds it.
std::wstring windowText(HWND window);

}  // namespace lp
