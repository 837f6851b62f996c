// Whole numbers written as text by a user or in a file: a number box is used
// only when it holds one (pasted text is not filtered by the box's keystroke
// filter), and a saved setting only when it is one.
#pragma once
#include <string>

namespace reader {

// An optional "-" and then digits, nothing else.
bool isNumberText(const std::string& text);

}  // namespace reader
