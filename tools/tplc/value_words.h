// Reading the values of a template source from its words: numbers,
// identifiers, logicals, colours, texts (converted to GBK), fonts and the
// report list's column records. Each reader returns false with a message.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tplc {

using Words = std::vector<std::string>;

// Decimal or 0x-hexadecimal, optionally signed, within 32-bit signed range.
bool readInteger(const std::string& word, int32_t& value, std::string& error);
// An identifier or other 32-bit word: 0x-hexadecimal or decimal, 0..0xFFFFFFFF.
bool readWord(const std::string& word, uint32_t& value, std::string& error);
// "true" or "false".
bool readLogical(const std::string& word, bool& value, std::string& error);
// A COLORREF as stored (0x00BBGGRR, hexadecimal or decimal) or "ClrDefault".
bool readColour(const std::string& word, uint32_t& value, std::string& error);
// A UTF-8 text, stored as GBK.
bool readText(const std::string& word, std::string& gbk, std::string& error);
// A 60-byte font record: the face name, then name=value members (height,
// width, escapement, orientation, weight, italic, underline, strikeout,
// charset, precision, clip, quality, pitch); members not given are 0.
bool readFont(const Words& words, std::vector<uint8_t>& record, std::string& error);
// Report list columns, one word each: heading:width or
// heading:width:left|centre|right; no header image.
bool readColumns(const Words& words, std::vector<uint8_t>& data, std::string& error);

}  // namespace tplc
