// Reading back what components painted, and writing their properties the way
// the application does.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace test {

// Paints everything pending, then reads the pixel at client point (x, y).
COLORREF pixelAt(HWND window, int x, int y);

// The client points of the window whose colour passes the test.
std::vector<POINT> pixelsWhere(HWND window, const std::function<bool(COLORREF)>& test);
inline bool isDark(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }

// Own property writes through the entry services (index counts the fixed eight).
void writeNumber(uint32_t unit, int32_t property, uint32_t value);
void writeText(uint32_t unit, int32_t property, const std::string& text);
void writeBytes(uint32_t unit, int32_t property, const std::vector<uint8_t>& bytes);
uint32_t readNumber(uint32_t unit, int32_t property);

// A tiny 24-bit BMP file of the given size in one colour.
std::vector<uint8_t> bmpFile(int width, int height, COLORREF colour);
// A 60-byte font record of the given pixel height and face; one byte more or
// less makes it an invalid font buffer.
std::vector<uint8_t> fontBuffer(int height, const char* face);

}  // namespace test
