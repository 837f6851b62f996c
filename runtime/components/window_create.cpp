// Creating the window component: its class, its Win32 window and the state
// applied right after creation.
#include <string>

#include "runtime/components/component_events.h"
#include "runtime/components/library_link.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/components/window_object.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

const char kDefaultClassName[] = "ZRWindow";

bool registerClass(const std::wstring& name) {
  return ensureWindowClass(name.c_str(), DefWindowProcW, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                           static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}

void idleCallback(uintptr_t argument) {
  auto* w = reinterpret_cast<WindowObject*>(argument);
  if (!w->idleActive) {
    w->idleActive = true;
    w->idleStart = GetTickCount();
  }
  const uint32_t elapsed = GetTickCount() - w->idleStart;
  EventOutcome outcome = raiseEvent(w->windowId, 0, 7, 1, &elapsed);
  // A true result asks for more idle calls: a message of our own keeps the
  // loop turning without ending the idle period.
  if (outcome.hasResult && outcome.result != 0) PostMessageW(w->window, kMsgIdleContinue, 0, 0);
}

}  // namespace

WindowObject* windowObjectOf(HWND window) {
  return linkedObject<WindowObject>(window);
}

ComponentObject* createWindowComponent(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND owner,
                                       uint32_t, HMENU menu, int32_t left, int32_t top, int32_t width,
                                       int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                                       int32_t designMode) {
  auto* w = new WindowObject;
  if (!w->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete w;
    return nullptr;
  }
  w->windowId = windowId;
  w->unitId = unitId;
  w->designMode = designMode != 0;
  const std::string className = w->data.windowClassName.empty() ? kDefaultClassName : w->data.windowClassName;
  const std::wstring wideClass = gbkToWide(className);
  // Without its class the window cannot exist: the load of its window fails.
  if (!registerClass(wideClass)) {
    delete w;
    return nullptr;
  }

  HWND parent = w->designMode ? designWindow : owner;
  if (!parent && !w->designMode && !w->data.showInTaskbar)
    parent = reinterpret_cast<HWND>(callRuntime(kSvcHiddenOwner));
  const CreationStyles styles = creationStyles(w->data, presetStyle, owner != nullptr, w->designMode);
  int32_t x = left, y = top;
  if (!w->designMode && w->data.position == 1) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  // The loader destroys the menu when creation fails.
  w->window = CreateWindowExW(styles.extendedStyle, wideClass.c_str(), gbkToWide(w->data.caption).c_str(),
                              styles.style, x, y, width, height, parent, menu, GetModuleHandleW(nullptr), nullptr);
  if (!w->window) {
    delete w;
    return nullptr;
  }
  linkObject(w->window, w);
  w->classProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(w->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProcedure)));

  applyCaptionStyles(*w);
  RECT r;
  GetWindowRect(w->window, &r);
  if (r.right - r.left != width || r.bottom - r.top != height)
    SetWindowPos(w->window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  applyIcons(*w);
  if (w->data.shape != 0) applyShape(*w);
  SendMessageW(w->window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (w->data.alwaysOnTop) applyAlwaysOnTop(*w);
  if (!w->data.movable) DeleteMenu(GetSystemMenu(w->window, FALSE), SC_MOVE, MF_BYCOMMAND);
  if (!w->designMode) {
    w->music.start(w->window, w->data.backMusic, w->data.playCount);
    w->preTranslator = {preTranslateWindowMessage, w};
    callRuntime(kSvcSetPreTranslator, reinterpret_cast<uintptr_t>(w->window),
                reinterpret_cast<uintptr_t>(&w->preTranslator));
    IdleRegistration idle = {w->window, idleCallback, reinterpret_cast<uintptr_t>(w)};
    callRuntime(kSvcAddIdleHandler, reinterpret_cast<uintptr_t>(&idle));
  }
  return w;
}

void forgetWindowObject(WindowObject& w) {
  unlinkObject(w.window);
  callRuntime(kSvcSetPreTranslator, reinterpret_cast<uintptr_t>(w.window), 0);
}

}  // namespace lp
