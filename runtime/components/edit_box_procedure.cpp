// The procedure that subclasses the EDIT control: the keystroke filter, the
// single-line layout, colours, the reflected notifications (events 0, -7,
// -8 and the normalisation on losing the focus), the adjuster's companionship
// and the release of what the box owns.
#include "runtime/components/component_colour.h"
#include "runtime/components/component_events.h"
#include "runtime/components/component_messages.h"
#include "runtime/components/edit_box_input.h"
#include "runtime/components/edit_box_object.h"
#include "runtime/components/object_link.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

LRESULT callDefault(EditBoxObject& box, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(box.classProcedure, box.window, message, wParam, lParam);
}

// Messages that read or change the text, the selection or the view: the
// pending appended text must be in the control before any of them.
bool touchesContent(UINT message) {
  if (message >= EM_GETSEL && message <= 0x00FF) return true;  // the EM_ range
  if (message >= WM_MOUSEFIRST + 1 && message <= WM_MOUSELAST) return true;  // buttons and wheel
  switch (message) {
    case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_SETTEXT:
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_SYSKEYDOWN: case WM_SYSCHAR:
    case WM_IME_STARTCOMPOSITION: case WM_IME_COMPOSITION: case WM_IME_CHAR:
    case WM_CUT: case WM_COPY: case WM_PASTE: case WM_CLEAR: case WM_UNDO:
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_VSCROLL: case WM_HSCROLL: case WM_CONTEXTMENU:
      return true;
    default:
      return false;
  }
}

void lostFocus(EditBoxObject& box) {
  const int32_t mode = box.data.inputMode;
  if (inputModeNormalises(mode)) {
    const std::string text = editText(box.window);
    const std::string normal = normalisedInput(mode, text);
    if (normal != text) {
      DWORD start = 0;
      SendMessageW(box.window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
      SetWindowTextW(box.window, gbkToWide(normal).c_str());
      SendMessageW(box.window, EM_SETSEL, start, static_cast<LPARAM>(start));
      SendMessageW(box.window, EM_SCROLLCARET, 0, 0);
    }
  }
  raiseEvent(box.windowId, box.unitId, -8);
}

bool reflectedCommand(EditBoxObject& box, WPARAM wParam) {
  switch (HIWORD(wParam)) {
    case EN_CHANGE:
      if (!box.writingContent) raiseEvent(box.windowId, box.unitId, 0);
      return true;
    case EN_SETFOCUS:
      raiseEvent(box.windowId, box.unitId, -7);
      return true;
    case EN_KILLFOCUS:
      lostFocus(box);
      return true;
    default:
      return false;
  }
}

LRESULT colours(EditBoxObject& box, HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(box.data.textColor & 0x00FFFFFFu));
  SetBkColor(dc, backgroundColour(box.data.backColor));
  return reinterpret_cast<LRESULT>(backBrushOf(box));
}

// Under Wine the control keeps a per-character break table of its text that
// it frees when the text changes but not when it is destroyed: a box closed
// with a long text would leave a byte per character behind, every time.
void emptyQuietly(EditBoxObject& box) {
  if (GetWindowTextLengthW(box.window) == 0) return;
  box.writingContent = true;
  callDefault(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  box.writingContent = false;
}

// What the box owns goes with its window; the object goes after it.
void destroyed(EditBoxObject& box) {
  dropPending(box);
  emptyQuietly(box);
  destroyAdjuster(box);
  if (box.backBrush) DeleteObject(box.backBrush);
  if (box.font) DeleteObject(box.font);
  box.backBrush = nullptr;
  box.font = nullptr;
}

}  // namespace

LRESULT CALLBACK editBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* object = linkedObject<EditBoxObject>(hwnd);
  if (!object) return DefWindowProcW(hwnd, message, wParam, lParam);
  EditBoxObject& box = *object;
  if (!box.pending.empty() && touchesContent(message)) flushPending(box);
  LRESULT result = 0;
  if (singleLineLayout(box, message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_CHAR:
      if (!inputModeAccepts(box.data.inputMode, static_cast<uint32_t>(wParam))) return 0;
      break;
    case WM_TIMER:
      if (wParam != kFlushTimer) break;
      onFlushTimer(box);
      return 0;
    case WM_COMMAND + kReflectedOffset:
      if (reflectedCommand(box, wParam)) return 0;
      break;
    case WM_CTLCOLOREDIT + kReflectedOffset:
    case WM_CTLCOLORSTATIC + kReflectedOffset:
      return colours(box, reinterpret_cast<HDC>(wParam));
    case WM_SIZE:
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW:
    case WM_ENABLE:
      result = callDefault(box, message, wParam, lParam);
      followEditBox(box, message, wParam, lParam);
      return result;
    case kMsgDataBindingRefresh:
    case kMsgBoundSource:
    case kMsgAfterCreation:
      return 0;
    case WM_DESTROY:
      destroyed(box);
      break;
    case WM_NCDESTROY: {
      result = callDefault(box, message, wParam, lParam);
      forgetEditBox(box);
      delete object;
      return result;
    }
    default:
      break;
  }
  return callDefault(box, message, wParam, lParam);
}

}  // namespace lp
