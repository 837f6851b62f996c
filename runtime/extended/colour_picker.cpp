// The colour picker's button: its class, creation, the palette it drops
// down, the palette's notifications and the type's entry points.
#include "runtime/extended/colour_picker.h"

#include "runtime/components/colours.h"
#include "runtime/components/component_entries.h"
#include "runtime/components/component_events.h"
#include "runtime/components/component_messages.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/colour_palette.h"
#include "runtime/extended/colour_picker_object.h"

namespace lp {
namespace {

const wchar_t kClassName[] = L"ColourPickerButton";
const char kTransparentText[] = "\xCD\xB8\xC3\xF7";                 // 透明
const char kOtherColoursText[] = "\xC6\xE4\xCB\xFC\xD1\xD5\xC9\xAB..."; // 其它颜色...

WNDPROC g_buttonProcedure = nullptr;

ColourPickerObject* objectOf(HWND window) {
  return linkedObject<ColourPickerObject>(window);
}

// Without the transparent choice a transparent colour is black.
void applyTransparentChoice(ColourPickerObject& picker) {
  picker.defaultText = picker.data.transparent ? gbkToWide(kTransparentText) : std::wstring();
  picker.data.color = picker.data.initialColor();
  picker.colour = picker.data.color;
}

void notifyForm(const ColourPickerObject& picker, UINT message, COLORREF colour) {
  SendMessageW(GetParent(picker.window), message, colour,
               static_cast<LPARAM>(GetDlgCtrlID(picker.window)));
}

void setShownColour(ColourPickerObject& picker, COLORREF colour) {
  picker.colour = colour;
  InvalidateRect(picker.window, nullptr, FALSE);
}

void dropDown(ColourPickerObject& picker) {
  if (picker.paletteOpen) return;
  RECT r;
  GetWindowRect(picker.window, &r);
  picker.paletteOpen = true;
  PaletteRequest request = {picker.window, {r.left, r.bottom}, picker.colour, picker.defaultText, picker.customText};
  picker.palette = openColourPalette(request);
  if (!picker.palette) {
    picker.paletteOpen = false;
    return;
  }
  InvalidateRect(picker.window, nullptr, FALSE);
  notifyForm(picker, kMsgColourDropDown, picker.colour);
}

void closedUp(ColourPickerObject& picker, COLORREF colour) {
  picker.paletteOpen = false;
  picker.palette = nullptr;
  setShownColour(picker, colour);
  notifyForm(picker, kMsgColourCloseUp, colour);
}

// The palette ended with OK: the colour is taken, and event 0 tells the
// application even when it is the colour it had.
void endedOk(ColourPickerObject& picker, COLORREF colour) {
  const COLORREF previous = picker.colour;
  closedUp(picker, colour);
  notifyForm(picker, kMsgColourEndedOk, colour);
  if (colour != previous) notifyForm(picker, kMsgColourSelectionChanged, colour);
  picker.data.color = colour;
  raiseEvent(picker.windowId, picker.unitId, 0);
}

void endedCancel(ColourPickerObject& picker, COLORREF initial) {
  closedUp(picker, initial);
  notifyForm(picker, kMsgColourEndedCancel, initial);
}

LRESULT CALLBACK pickerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ColourPickerObject* picker = objectOf(window);
  if (!picker) return CallWindowProcW(g_buttonProcedure, window, message, wParam, lParam);
  const COLORREF colour = static_cast<COLORREF>(wParam);
  switch (message) {
    case WM_DRAWITEM + kReflectedOffset:
      drawColourPicker(*picker, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND + kReflectedOffset:
      if (HIWORD(wParam) == BN_CLICKED) dropDown(*picker);
      return 0;
    case kMsgColourSelectionChanged:
      notifyForm(*picker, kMsgColourSelectionChanged, colour);
      return 0;
    case kMsgColourEndedOk:
      endedOk(*picker, colour);
      return 0;
    case kMsgColourEndedCancel:
      endedCancel(*picker, colour);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = CallWindowProcW(g_buttonProcedure, window, message, wParam, lParam);
      raiseEvent(picker->windowId, picker->unitId, message == WM_SETFOCUS ? -7 : -8);
      return result;
    }
    case WM_DESTROY:
      // A palette still open goes without telling anybody.
      if (picker->palette && IsWindow(picker->palette)) {
        HWND palette = picker->palette;
        picker->palette = nullptr;
        if (ColourPalette* p = colourPaletteOf(palette)) p->ended = true;
        DestroyWindow(palette);
      }
      break;
    case WM_NCDESTROY: {
      const LRESULT result = CallWindowProcW(g_buttonProcedure, window, message, wParam, lParam);
      unlinkObject(window);
      delete picker;
      return result;
    }
    default:
      break;
  }
  return CallWindowProcW(g_buttonProcedure, window, message, wParam, lParam);
}

// A class of its own built on the system button.
bool registerClass() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, kClassName, &existing)) return true;
  WNDCLASSW wc;
  if (!GetClassInfoW(nullptr, L"BUTTON", &wc)) return false;
  g_buttonProcedure = wc.lpfnWndProc;
  wc.lpfnWndProc = pickerProcedure;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  wc.style &= ~CS_GLOBALCLASS;
  return RegisterClassW(&wc) != 0;
}

ComponentObject* create(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent, uint32_t controlId,
                        HMENU, int32_t left, int32_t top, int32_t width, int32_t height, uint32_t windowId,
                        uint32_t unitId, HWND, int32_t) {
  if (!registerClass()) return nullptr;
  auto* picker = new ColourPickerObject;
  if (!picker->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete picker;
    return nullptr;
  }
  picker->windowId = windowId;
  picker->unitId = unitId;
  picker->textColour = GetSysColor(COLOR_BTNTEXT);
  picker->customText = gbkToWide(kOtherColoursText);
  applyTransparentChoice(*picker);
  const DWORD style = (presetStyle & ~WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS | BS_OWNERDRAW;
  if (!makeChildWindow(*picker, kClassName, L"", style, 0, {parent, controlId, left, top, width, height})) {
    delete picker;
    return nullptr;
  }
  return picker;
}

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& picker = *static_cast<ColourPickerObject*>(object);
  switch (index) {
    case ColorPickerData::kColor:
      picker.data.color = static_cast<uint32_t>(value->word);
      break;
    case ColorPickerData::kTransparent:
      picker.data.transparent = value->word != 0;
      break;
    default:
      return 0;
  }
  applyTransparentChoice(picker);
  InvalidateRect(picker.window, nullptr, FALSE);
  return 0;
}

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  const ColorPickerData& d = static_cast<ColourPickerObject*>(object)->data;
  switch (index) {
    case ColorPickerData::kColor: *out = {d.color, 0}; return 1;
    case ColorPickerData::kTransparent: *out = {d.transparent ? 1u : 0u, 0}; return 1;
    default: return 0;
  }
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<ColourPickerObject*>(object)->data.write());
}

}  // namespace

void* colourPickerInterface(int32_t number) {
  static const ComponentEntries entries = {create, setProperty, getAllPropertyData, getProperty};
  return entryOf(entries, number);
}

}  // namespace lp
