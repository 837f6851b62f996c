// A program whose GDI and USER objects the object-count tests know: it makes
// and frees them on commands read from its standard input, one a line, and
// answers each with "ok".
//   gdi N           N pens, brushes, fonts and bitmaps in turn
//   free-gdi        deletes them
//   windows N       a top-level window holding N-1 child windows
//   menu            a menu bar on the last top-level window
//   message-window  a message-only window
//   free-windows    destroys every window made (a menu bar goes with its window)
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

HGDIOBJ makeGdiObject(int i) {
  switch (i % 4) {
    case 0:
      return CreatePen(PS_SOLID, 1, RGB(i, 0, 0));
    case 1:
      return CreateSolidBrush(RGB(0, i, 0));
    case 2:
      return CreateFontW(10 + i, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    default:
      return CreateBitmap(4, 4, 1, 32, nullptr);
  }
}

}  // namespace

int main() {
  // While a thread has a top-level window the system gives it one more (for
  // input methods). One is kept from the start, so that the counts follow
  // only the commands.
  CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  std::vector<HGDIOBJ> gdiObjects;
  std::vector<HWND> windows;  // children after their parents
  HWND topLevel = nullptr;
  std::string command;
  int count = 0;
  while (std::cin >> command) {
    if (command == "gdi" && std::cin >> count) {
      for (int i = 0; i < count; ++i) gdiObjects.push_back(makeGdiObject(i));
    } else if (command == "free-gdi") {
      for (HGDIOBJ object : gdiObjects) DeleteObject(object);
      gdiObjects.clear();
    } else if (command == "windows" && std::cin >> count) {
      topLevel = CreateWindowW(L"STATIC", L"top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                               nullptr);
      windows.push_back(topLevel);
      for (int i = 1; i < count; ++i) {
        windows.push_back(CreateWindowW(L"BUTTON", L"child", WS_CHILD, 0, 0, 10, 10, topLevel, nullptr, nullptr,
                                        nullptr));
      }
    } else if (command == "menu") {
      const HMENU bar = CreateMenu();
      AppendMenuW(bar, MF_STRING, 1, L"item");
      SetMenu(topLevel, bar);
    } else if (command == "message-window") {
      windows.push_back(CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    } else if (command == "free-windows") {
      for (auto window = windows.rbegin(); window != windows.rend(); ++window) DestroyWindow(*window);
      windows.clear();
    } else {
      std::cout << "unknown " << command << std::endl;
      continue;
    }
    std::cout << "ok" << std::endl;
  }
  return 0;
}
