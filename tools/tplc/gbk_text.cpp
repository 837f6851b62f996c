#include "tools/tplc/gbk_text.h"

#include <iconv.h>

namespace tplc {
namespace {

// One conversion through iconv; false on any invalid or unmappable input.
bool convert(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  std::string source = in;
  char* src = source.empty() ? nullptr : &source[0];
  size_t srcLeft = source.size();
  bool ok = true;
  while (srcLeft > 0) {
    char buffer[256];
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, sizeof buffer - dstLeft);
    if (done == static_cast<size_t>(-1) && dstLeft == sizeof buffer) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  return ok;
}

}  // namespace

bool utf8ToGbk(const std::string& utf8, std::string& gbk) { return convert("GBK", "UTF-8", utf8, gbk); }

std::string gbkToUtf8(const std::string& gbk) {
  std::string out;
  for (size_t at = 0; at < gbk.size();) {
    unsigned char c = static_cast<unsigned char>(gbk[at]);
    size_t width = (c >= 0x81 && c <= 0xFE && at + 1 < gbk.size()) ? 2 : 1;
    std::string piece;
    out += convert("UTF-8", "GBK", gbk.substr(at, width), piece) ? piece : "?";
    at += width;
  }
  return out;
}

}  // namespace tplc
