#include "tests/reader/window_text.h"

#include "runtime/core/gbk.h"

namespace readertest {

std::string windowTextOf(HWND window) {
  if (!window) return "";
  const int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(window, &text[0], n + 1);
  text.resize(static_cast<size_t>(n));
  return lp::wideToGbk(text);
}

}  // namespace readertest
