// GBK <-> UTF-16 through the wide Win32 conversion calls.
#include "runtime/core/gbk.h"

#include <windows.h>

#include <climits>

namespace lp {

std::wstring gbkToWide(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return std::wstring();
  const int length = static_cast<int>(text.size());
  int needed = MultiByteToWideChar(kGbkCodePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, text.data(), length, wide.data(), needed);
  return wide;
}

std::string wideToGbk(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return std::string();
  const int length = static_cast<int>(text.size());
  int needed =
      WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string narrow(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, narrow.data(), needed, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace lp
