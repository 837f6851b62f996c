// A window's text as the reader's tests compare it: GBK.
#pragma once
#include <windows.h>

#include <string>

namespace readertest {

// Empty for a null window.
std::string windowTextOf(HWND window);

}  // namespace readertest
