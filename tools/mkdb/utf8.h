// UTF-8 input text to the UCS-2 the database stores.
#pragma once

#include <string>

namespace mkdb {

// Throws std::invalid_argument on malformed UTF-8 and on characters outside
// the Basic Multilingual Plane, which a UCS-2 Text column cannot hold.
std::u16string utf8ToUcs2(const std::string& text);

}  // namespace mkdb
