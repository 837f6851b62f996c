// Move: a component in its parent's client coordinates, a top-level window
// in screen coordinates. Left and top keep the size; -1 keeps a width or height.
#include "runtime/core/command_args.h"
#include "runtime/core/component_object.h"
#include "runtime/core/library_service.h"
#include "runtime/core/window_commands.h"

namespace lp {

void cmdMove(ValueRecord*, int32_t argCount, ValueRecord* args) {
  const uint32_t windowId = argCount >= 1 ? args[0].low : 0;
  const uint32_t unitId = argCount >= 1 ? args[0].high : 0;
  auto* object = reinterpret_cast<ComponentObject*>(libraryService(kSvcRequireComponent, windowId, unitId));
  const HWND handle = object->window;
  RECT now;
  GetWindowRect(handle, &now);
  if (GetWindowLongW(handle, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&now), 2);
  }
  int left = now.left, top = now.top, width = now.right - now.left, height = now.bottom - now.top;
  left = intArg(argCount, args, 1, left);
  top = intArg(argCount, args, 2, top);
  const int newWidth = intArg(argCount, args, 3, -1), newHeight = intArg(argCount, args, 4, -1);
  if (newWidth != -1) width = newWidth;
  if (newHeight != -1) height = newHeight;
  if (left != now.left || top != now.top || width != now.right - now.left || height != now.bottom - now.top) {
    MoveWindow(handle, left, top, width, height, TRUE);
  }
}

}  // namespace lp
