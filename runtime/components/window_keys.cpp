// The window's message pre-translation: every message for the window or one
// of its components passes here before dispatch. Keyboard rules of the form
// (menu hot keys, Tab, Enter, Esc, F1, Alt mnemonics), dragging with
// MoveAnywhere, and the common mouse and key events.
#include <cwctype>
#include <string>

#include "runtime/components/component_events.h"
#include "runtime/components/library_link.h"
#include "runtime/components/window_component.h"
#include "runtime/components/window_object.h"
#include "runtime/components/window_units.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

constexpr uint32_t kShift = 2, kAlt = 4;
constexpr uint32_t kMnemonicTypes =
    kTypeRadioMnemonic | kTypeDefaultButton | kTypeCheckMnemonic | kTypeLabelMnemonic | kTypeGroupMnemonic;

bool isDefaultButton(const WindowUnit& unit) {
  auto isDefault = componentEntry<IsDefaultButtonFn>(unit.type, kEntryIsDefaultButton);
  auto* object = static_cast<ComponentObject*>(unit.info.object);
  return (typeFlags(unit) & kTypeDefaultButton) && isDefault && object && isDefault(object) != 0;
}

void click(WindowObject& w, const WindowUnit& unit) { raiseEvent(w.windowId, unit.info.id, 0); }

bool pressEnter(WindowObject& w, const std::vector<WindowUnit>& units, int focused) {
  if (focused > 0 && isDefaultButton(units[static_cast<size_t>(focused)])) {
    click(w, units[static_cast<size_t>(focused)]);
    return true;
  }
  if (w.data.enterMovesFocus) {
    moveFocusFrom(units, focused, true);
    return true;
  }
  for (size_t i = 1; i < units.size(); ++i) {
    if (units[i].window && IsWindowEnabled(units[i].window) && isDefaultButton(units[i])) {
      click(w, units[i]);
      return true;
    }
  }
  return false;
}

// The help file: HelpFile, or the program's own.
std::wstring helpFile(const WindowObject& w) {
  return w.data.helpFile.empty() ? programHelpFile() : gbkToWide(w.data.helpFile);
}

void openHelp(WindowObject& w) {
  const std::wstring file = helpFile(w);
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  const bool context = w.data.helpContext != 0;
  if (WinHelpW(w.window, file.c_str(), context ? HELP_CONTEXT : HELP_FINDER,
               context ? static_cast<ULONG_PTR>(w.data.helpContext) : 0)) {
    w.helpOpened = true;
    w.helpFileOpened = file;
  }
}

bool wantsKey(const std::vector<WindowUnit>& units, int focused, uint32_t key) {
  if (focused <= 0) return false;
  const WindowUnit& unit = units[static_cast<size_t>(focused)];
  auto wants = componentEntry<WantsKeyFn>(unit.type, kEntryWantsKey);
  auto* object = static_cast<ComponentObject*>(unit.info.object);
  return wants && object && wants(object, static_cast<int32_t>(key)) == 1;
}

bool formKey(WindowObject& w, const std::vector<WindowUnit>& units, uint32_t key, uint32_t modifiers) {
  const int focused = unitOwning(units, GetFocus(), w.window);
  const bool plain = modifiers == 0;
  if (key == VK_TAB && (plain || modifiers == kShift)) {
    if (wantsKey(units, focused, key)) return false;
    moveFocusFrom(units, focused, modifiers != kShift);
    return true;
  }
  if (!plain || wantsKey(units, focused, key)) return false;
  switch (key) {
    case VK_RETURN:
      return pressEnter(w, units, focused);
    case VK_ESCAPE:
      if (!w.data.escCloses) return false;
      SendMessageW(w.window, WM_CLOSE, 0, 0);
      return true;
    case VK_F1:
      if (!w.data.f1OpensHelp) return false;
      openHelp(w);
      return true;
    default:
      return false;
  }
}

bool hasMnemonic(HWND window, wchar_t key) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  const wchar_t lower = static_cast<wchar_t>(std::towlower(key)), upper = static_cast<wchar_t>(std::towupper(key));
  for (const wchar_t* p = text; *p; ++p) {
    if (*p != L'&') continue;
    if (p[1] == L'&') {  // "&&" is a plain ampersand
      ++p;
      continue;
    }
    if (p[1] == lower || p[1] == upper) return true;
  }
  return false;
}

void focusFirstInside(const std::vector<WindowUnit>& units, HWND container) {
  const WindowUnit* best = nullptr;
  for (size_t i = 1; i < units.size(); ++i) {
    const WindowUnit& u = units[i];
    if (!u.window || !IsChild(container, u.window) || !(u.info.state & 4) || !IsWindowVisible(u.window) ||
        !IsWindowEnabled(u.window))
      continue;
    if (!best || u.info.tabOrder < best->info.tabOrder) best = &u;
  }
  if (best) SetFocus(best->window);
}

bool mnemonic(WindowObject& w, const std::vector<WindowUnit>& units, uint32_t key) {
  for (size_t i = 1; i < units.size(); ++i) {
    const WindowUnit& u = units[i];
    const uint32_t flags = typeFlags(u);
    if (!(flags & kMnemonicTypes) || (flags & kTypeFunctionProvider) || !u.window || !IsWindowVisible(u.window) ||
        !IsWindowEnabled(u.window) || !hasMnemonic(u.window, static_cast<wchar_t>(key)))
      continue;
    if (flags & kTypeCheckMnemonic) {
      const LRESULT checked = SendMessageW(u.window, BM_GETCHECK, 0, 0);
      SendMessageW(u.window, BM_SETCHECK, checked == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
      click(w, u);
    } else if (flags & kTypeRadioMnemonic) {
      SendMessageW(u.window, BM_SETCHECK, BST_CHECKED, 0);
      click(w, u);
    } else if (flags & kTypeLabelMnemonic) {
      moveFocusFrom(units, static_cast<int>(i), true);
    } else if (flags & kTypeGroupMnemonic) {
      focusFirstInside(units, u.window);
    } else {
      click(w, u);
    }
    return true;
  }
  return false;
}

bool isIdleMessage(UINT message) {
  return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_TIMER || message == WM_PAINT ||
         message == 0x0118 || message == kMsgIdleContinue;
}

}  // namespace

bool preTranslateWindowMessage(void* self, MSG* msg) {
  WindowObject& w = *static_cast<WindowObject*>(self);
  if (!isIdleMessage(msg->message)) w.idleActive = false;
  const bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
  if (keyboard && !IsWindowEnabled(w.window)) return true;
  if (msg->message == WM_LBUTTONDOWN || msg->message == WM_NCLBUTTONDOWN) {
    HWND capture = GetCapture();
    if (capture && capture != msg->hwnd) ReleaseCapture();
  }
  if (keyboard) {
    auto table = reinterpret_cast<HACCEL>(callRuntime(kSvcWindowAccelerators, w.windowId));
    if (table && TranslateAcceleratorW(w.window, table, msg)) return true;
  }
  if (w.designMode || GetAncestor(msg->hwnd, GA_ROOT) != w.window) return false;

  const std::vector<WindowUnit> units = windowUnits(w.windowId);
  const int owner = unitOwning(units, msg->hwnd, w.window);
  if (msg->message == WM_LBUTTONDOWN && w.data.moveAnywhere &&
      (msg->hwnd == w.window || (owner > 0 && (typeFlags(units[static_cast<size_t>(owner)]) & kTypeDragsWindow)))) {
    ReleaseCapture();
    PostMessageW(w.window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(msg->pt.x, msg->pt.y));
    return true;
  }
  if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
    const uint32_t key = foldedKeyCode(static_cast<uint32_t>(msg->wParam));
    const uint32_t modifiers = modifierStateFor(static_cast<uint32_t>(msg->wParam));
    if (formKey(w, units, key, modifiers)) return true;
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (msg->message == WM_SYSKEYDOWN && modifiers == kAlt && letterOrDigit && mnemonic(w, units, key)) return true;
  }
  const uint32_t unitId = owner > 0 ? units[static_cast<size_t>(owner)].info.id : 0;
  return raiseCommonEvent(w.windowId, unitId, msg);
}

}  // namespace lp
