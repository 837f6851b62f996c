#include "runtime/components/placeholder_component.h"

#include "runtime/components/object_link.h"

#include <string>

#include "runtime/components/window_class.h"
#include "runtime/core/gbk.h"

namespace lp {

const char kPlaceholderText[] = "因所在支持库载入出错而无法创建";

namespace {

const wchar_t kClassName[] = L"LumenPathPlaceholder";

struct Placeholder : ComponentObject {};

LRESULT CALLBACK placeholderProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetTextColor(dc, RGB(255, 0, 0));
      SetBkMode(dc, TRANSPARENT);
      const std::wstring text = gbkToWide(kPlaceholderText);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      SelectObject(dc, old);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      delete linkedObject<Placeholder>(hwnd);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool registerClass() { return ensureWindowClass(kClassName, placeholderProcedure, 0, nullptr); }

}  // namespace

ComponentObject* createPlaceholder(const uint8_t*, int32_t, uint32_t presetStyle, HWND parent, uint32_t controlId,
                                   HMENU, int32_t left, int32_t top, int32_t width, int32_t height,
                                   uint32_t windowId, uint32_t unitId, HWND, int32_t) {
  if (!registerClass()) return nullptr;
  auto* object = new Placeholder;
  object->windowId = windowId;
  object->unitId = unitId;
  if (!makeChildWindow(*object, kClassName, L"", (presetStyle & ~WS_TABSTOP) | WS_CHILD | WS_CLIPSIBLINGS, 0,
                       {parent, controlId, left, top, width, height})) {
    delete object;
    return nullptr;
  }
  return object;
}

}  // namespace lp
