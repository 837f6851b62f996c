// Readable UTF-8 sources turned into the GBK texts the program stores.
#pragma once
#include <string>

namespace lp::constgen {

// Converts UTF-8 to GBK; false when the input has a character GBK lacks or
// is not valid UTF-8.
bool utf8ToGbk(const std::string& utf8, std::string& gbk);

// The text of a source file without its trailing line breaks.
std::string withoutTrailingNewlines(std::string text);

}  // namespace lp::constgen
