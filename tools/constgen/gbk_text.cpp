#include "tools/constgen/gbk_text.h"

#include <iconv.h>

#include <vector>

namespace lp::constgen {

bool utf8ToGbk(const std::string& utf8, std::string& gbk) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string input = utf8;
  std::vector<char> output(input.size() * 2 + 1);
  char* in = input.empty() ? nullptr : &input[0];
  size_t inLeft = input.size();
  char* out = output.data();
  size_t outLeft = output.size();
  bool ok = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
  iconv_close(converter);
  if (ok) gbk.assign(output.data(), static_cast<size_t>(out - output.data()));
  return ok;
}

std::string withoutTrailingNewlines(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace lp::constgen
