// The one place where texts cross between GBK (code page 936), in which the
// runtime keeps every text, and the system's UTF-16, whatever the system's
// own code page is.
#pragma once
#include <string>
#include <string_view>

#include "runtime/core/gbk_step.h"

namespace lp {

constexpr unsigned kGbkCodePage = 936;

// Bytes that are no GBK character become U+FFFD or the system's default.
std::wstring gbkToWide(std::string_view text);
// Characters that GBK cannot hold become "?".
std::string wideToGbk(std::wstring_view text);

}  // namespace lp
