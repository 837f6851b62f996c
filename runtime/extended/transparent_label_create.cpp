// The transparent label's window: its class, creation and window procedure.
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/transparent_label_object.h"

namespace lp {
namespace {

const wchar_t kClassName[] = L"LumenPathTransparentLabel";

TransparentLabelObject* labelOf(HWND window) {
  return linkedObject<TransparentLabelObject>(window);
}

LRESULT CALLBACK transparentLabelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TransparentLabelObject* label = labelOf(hwnd);
  if (!label) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paintTransparentLabel(*label);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) refreshBehind(hwnd);
      return result;
    }
    case WM_NCDESTROY:
      unlinkObject(hwnd);
      delete label;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool registerClass() {
  return ensureWindowClass(kClassName, transparentLabelProcedure, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr);
}

}  // namespace

ComponentObject* createTransparentLabel(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                                        uint32_t controlId, HMENU, int32_t left, int32_t top, int32_t width,
                                        int32_t height, uint32_t windowId, uint32_t unitId, HWND, int32_t) {
  auto* label = new TransparentLabelObject;
  if (!label->data.read(block, length > 0 ? static_cast<size_t>(length) : 0) || !registerClass()) {
    delete label;
    return nullptr;
  }
  label->windowId = windowId;
  label->unitId = unitId;
  if (!makeChildWindow(*label, kClassName, gbkToWide(label->data.caption), presetStyle | WS_CHILD | WS_CLIPSIBLINGS,
                       WS_EX_TRANSPARENT, {parent, controlId, left, top, width, height})) {
    delete label;
    return nullptr;
  }
  return label;
}

}  // namespace lp
