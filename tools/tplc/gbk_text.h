// Texts of the template sources are UTF-8; the template data stores GBK
// (code page 936). Converted with iconv.
#pragma once
#include <string>

namespace tplc {

// False when the text is not valid UTF-8 or has a character GBK lacks.
bool utf8ToGbk(const std::string& utf8, std::string& gbk);
// For listings: undecodable bytes come out as "?".
std::string gbkToUtf8(const std::string& gbk);

}  // namespace tplc
