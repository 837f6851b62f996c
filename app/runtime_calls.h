// How the reader reaches the runtime, as compiled code does: library commands
// taken by number from the program header's library records and called with
// value records, and properties read and written by window id, unit id and
// index through the entry services. Texts that come back are copied into
// std::string and their blocks freed at once.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "runtime/core/value.h"

namespace reader {

// A window or component as the application names it.
struct Component {
  uint32_t window;
  uint32_t unit;  // 0: the window's own unit
  uint32_t type;  // unit type code: library number << 16 | type number
};

lp::ValueRecord textValue(const char* text);
lp::ValueRecord textValue(const std::string& text);
lp::ValueRecord integerValue(int32_t value);
lp::ValueRecord logicalValue(bool value);
lp::ValueRecord byteSetValue(const void* block);
lp::ValueRecord componentValue(const Component& component);
lp::ValueRecord omittedValue();

// Calls command `index` of library `library` (1-based library number). The
// arguments are lent; the result belongs to the caller.
lp::ValueRecord callCommand(uint32_t library, int index, std::initializer_list<lp::ValueRecord> args);

// Frees the block of a text or byte-set result (nothing for other types).
void releaseValue(const lp::ValueRecord& value);
// The text of a text result, whose block is then freed.
std::string takeText(const lp::ValueRecord& value);
int32_t integerOf(const lp::ValueRecord& value);
bool logicalOf(const lp::ValueRecord& value);

// The application's font value, written whole (member index -1): size in
// points, bold, italic, underline, strike-out, angle, face name.
struct FontValue {
  int32_t size;
  int32_t bold;
  int32_t italic;
  int32_t underline;
  int32_t strikeOut;
  int32_t angle;
  const char* faceName;
};

// Every font the reader builds starts here.
FontValue startFont();

constexpr int32_t kWholeProperty = -1;
constexpr int32_t kFontSizeMember = 5;

int32_t readInteger(const Component& c, int32_t property, int32_t member = kWholeProperty);
std::string readText(const Component& c, int32_t property);
// A text, byte-set or font block, owned by the caller (free with releaseBlock).
void* readBlock(const Component& c, int32_t property);
void releaseBlock(void* block);

void writeInteger(const Component& c, int32_t property, int32_t value, int32_t member = kWholeProperty);
void writeText(const Component& c, int32_t property, const std::string& text);
void writeBlock(const Component& c, int32_t property, const void* block);
void writeFont(const Component& c, int32_t property, const FontValue& font);

// Ends the process at once with this exit code.
void exitProgram(int32_t code);

}  // namespace reader
