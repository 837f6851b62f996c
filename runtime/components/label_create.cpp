// The label's window: its private class, creation and window procedure.
#include "runtime/components/border_style.h"
#include "runtime/components/component_events.h"
#include "runtime/components/component_messages.h"
#include "runtime/components/label_component.h"
#include "runtime/components/label_object.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

const wchar_t kClassName[] = L"LumenPathLabel";

LabelObject* labelOf(HWND window) { return linkedObject<LabelObject>(window); }

LRESULT CALLBACK labelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelObject* label = labelOf(hwnd);
  if (!label) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      // Painting covers every pixel; a separate erase would only flicker.
      return 1;
    case WM_PAINT:
      paintLabel(*label);
      return 0;
    case kMsgLabelEvent: {
      const uint32_t args[2] = {static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)};
      const EventOutcome outcome = raiseEvent(label->windowId, label->unitId, 0, 2, args);
      return outcome.hasResult ? static_cast<LRESULT>(static_cast<int32_t>(outcome.result)) : 0;
    }
    case kMsgDataBindingRefresh:
    case kMsgBoundSource:
      // No component of this system is a data source: the names stay stored
      // and there is nothing to bind to.
      return 0;
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
  return ensureWindowClass(kClassName, labelProcedure, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                           static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}

}  // namespace

ComponentObject* createLabel(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                             uint32_t controlId, HMENU, int32_t left, int32_t top, int32_t width, int32_t height,
                             uint32_t windowId, uint32_t unitId, HWND, int32_t) {
  auto* label = new LabelObject;
  if (!label->data.read(block, length > 0 ? static_cast<size_t>(length) : 0) || !registerClass()) {
    delete label;
    return nullptr;
  }
  label->windowId = windowId;
  label->unitId = unitId;
  if (!makeChildWindow(*label, kClassName, gbkToWide(label->data.caption), presetStyle | WS_CHILD | WS_CLIPSIBLINGS, 0,
                       {parent, controlId, left, top, width, height})) {
    delete label;
    return nullptr;
  }
  applyBorderStyle(label->window, label->data.border);
  return label;
}

}  // namespace lp
