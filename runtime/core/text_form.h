// The canonical text form of a typed value, as the to-text command and every
// place that shows a value as text write it. Texts are GBK.
#pragma once
#include <string>

#include "runtime/core/value.h"

namespace lp {

// Appends the text form of value to out.
void appendTextForm(const ValueRecord& value, std::string& out);

std::string textForm(const ValueRecord& value);

// The text form as a new block from the memory service, which the caller
// frees with release(); null for the empty text.
char* toText(const ValueRecord& value);

}  // namespace lp
