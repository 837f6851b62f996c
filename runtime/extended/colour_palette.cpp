// The palette window: creation and placement, tooltips, the mouse and the
// keys, and the end of the selection.
#include "runtime/extended/colour_palette.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstddef>

#include "runtime/components/colours.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/deferred_system_calls.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/colour_palette_paint.h"
#include "runtime/extended/colour_palette_table.h"
#include "runtime/extended/colour_picker.h"

namespace lp {
namespace {

const wchar_t kClassName[] = L"ColourPickerPalette";

// The colours the user mixed in the system colour dialog, kept for the run.
COLORREF g_customColours[16];

int initialChoiceOf(const ColourPalette& p) {
  if (p.initial == kClrDefault && p.layout.hasDefault) return kDefaultBox;
  const int cell = paletteIndexOf(p.initial);
  if (cell >= 0) return cell;
  return p.layout.hasCustom ? kCustomBox : kNoChoice;
}

// The colour a choice stands for while it is current.
COLORREF colourOf(const ColourPalette& p, int choice) {
  if (choice >= 0) return kPaletteColours[choice].colour;
  return choice == kDefaultBox ? kClrDefault : p.initial;
}

void makeCurrent(ColourPalette& p, int choice) {
  if (choice == p.current) return;
  p.current = choice;
  InvalidateRect(p.window, nullptr, FALSE);
  SendMessageW(p.button, kMsgColourSelectionChanged, colourOf(p, choice), 0);
}

// The system colour dialog, preset to the initial colour; false when the
// user cancels it.
bool chooseOtherColour(ColourPalette& p, COLORREF* chosen) {
  CHOOSECOLORW choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = p.window;
  choose.rgbResult = p.initial == kClrDefault ? RGB(255, 255, 255) : p.initial;
  choose.lpCustColors = g_customColours;
  choose.Flags = CC_ANYCOLOR | CC_RGBINIT;
  p.choosingColour = true;
  const BOOL ok = deferred::ChooseColorW(&choose);
  p.choosingColour = false;
  if (ok) *chosen = choose.rgbResult;
  return ok != FALSE;
}

void endSelection(ColourPalette& p, bool ok) {
  if (p.ended) return;
  p.ended = true;
  if (GetCapture() == p.window) ReleaseCapture();
  COLORREF chosen = p.initial;
  if (ok && p.current == kCustomBox) {
    ok = chooseOtherColour(p, &chosen);
  } else if (ok && p.current != kNoChoice) {
    chosen = colourOf(p, p.current);
  }
  HWND button = p.button;
  HWND window = p.window;
  SendMessageW(button, ok ? kMsgColourEndedOk : kMsgColourEndedCancel, ok ? chosen : p.initial, 0);
  DestroyWindow(window);
}

void key(ColourPalette& p, WPARAM vk) {
  switch (vk) {
    case VK_RETURN:
    case VK_SPACE:
      endSelection(p, true);
      break;
    case VK_ESCAPE:
      makeCurrent(p, p.initialChoice);
      endSelection(p, false);
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      makeCurrent(p, movePaletteChoice(p.current, static_cast<UINT>(vk), p.layout.hasDefault, p.layout.hasCustom));
      break;
    default:
      break;
  }
}

void buttonReleased(ColourPalette& p, LPARAM lParam) {
  if (!p.pressed) return;
  const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  RECT client;
  GetClientRect(p.window, &client);
  if (!PtInRect(&client, point)) {
    endSelection(p, false);
    return;
  }
  const int choice = paletteChoiceAt(p.layout, point);
  if (choice != kNoChoice) makeCurrent(p, choice);
  endSelection(p, true);
}

void release(ColourPalette* p) {
  if (p->font) DeleteObject(p->font);
  if (p->logicalPalette) DeleteObject(p->logicalPalette);
  delete p;
}

LRESULT CALLBACK paletteProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ColourPalette* p = colourPaletteOf(window);
  if (!p) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      paintPalette(*p);
      return 0;
    case WM_MOUSEMOVE: {
      const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const int choice = paletteChoiceAt(p->layout, point);
      if (choice != kNoChoice) makeCurrent(*p, choice);
      return 0;
    }
    case WM_LBUTTONDOWN:
      p->pressed = true;
      return 0;
    case WM_LBUTTONUP:
      buttonReleased(*p, lParam);
      return 0;
    case WM_KEYDOWN:
      key(*p, wParam);
      return 0;
    case WM_ACTIVATEAPP:
      if (!wParam && !p->choosingColour) endSelection(*p, false);
      break;
    case WM_NCDESTROY:
      unlinkObject(window);
      release(p);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass() {
  return ensureWindowClass(kClassName, paletteProcedure, CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW,
                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
}

HFONT messageFont() {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    // Systems older than the headers know the record without its last field.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return nullptr;
  }
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

HPALETTE paletteOfColours(HWND window) {
  HDC dc = GetDC(window);
  const bool paletteDevice = dc && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
  if (dc) ReleaseDC(window, dc);
  if (!paletteDevice) return nullptr;
  struct {
    WORD version;
    WORD count;
    PALETTEENTRY entries[kPaletteColourCount];
  } table = {0x300, kPaletteColourCount, {}};
  for (int i = 0; i < kPaletteColourCount; ++i) {
    const COLORREF c = kPaletteColours[i].colour;
    table.entries[i] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
  }
  return CreatePalette(reinterpret_cast<LOGPALETTE*>(&table));
}

SIZE textSize(HWND window, HFONT font, const std::wstring& text) {
  SIZE size = {0, 0};
  if (text.empty()) return size;
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  if (size.cx <= 0) size.cx = 1;
  return size;
}

void addTooltips(ColourPalette& p) {
  INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
  p.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, p.window, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (!p.tooltip) return;
  for (int cell = 0; cell < kPaletteColourCount; ++cell) {
    std::wstring name = gbkToWide(kPaletteColours[cell].name);
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = p.window;
    tool.uId = static_cast<UINT_PTR>(cell + 1);
    tool.rect = paletteCellRect(p.layout, cell);
    tool.lpszText = name.data();
    SendMessageW(p.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

RECT screenAround(POINT at) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &info)) return info.rcMonitor;
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

ColourPalette* colourPaletteOf(HWND window) {
  wchar_t name[32] = {};
  if (!window || !GetClassNameW(window, name, 32) || lstrcmpW(name, kClassName) != 0) return nullptr;
  return linkedObject<ColourPalette>(window);
}

HWND openColourPalette(const PaletteRequest& request) {
  if (!registerClass()) return nullptr;
  HWND window = CreateWindowExW(0, kClassName, L"", WS_POPUP, request.at.x, request.at.y, 1, 1,
                                GetAncestor(request.button, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  auto* p = new ColourPalette;
  p->window = window;
  p->button = request.button;
  p->initial = request.initial;
  p->defaultText = request.defaultText;
  p->customText = request.customText;
  p->font = messageFont();
  p->logicalPalette = paletteOfColours(window);
  linkObject(window, p);

  const int edge = GetSystemMetrics(SM_CXEDGE);
  const PaletteMetrics metrics = {paletteCellSize(edge), edge, textSize(window, p->font, p->defaultText),
                                  textSize(window, p->font, p->customText)};
  p->layout = layoutPalette(metrics);
  p->initialChoice = initialChoiceOf(*p);
  p->current = p->initialChoice;

  const RECT wanted = {request.at.x, request.at.y, request.at.x + p->layout.size.cx,
                       request.at.y + p->layout.size.cy};
  const RECT placed = keepOnScreen(wanted, screenAround(request.at));
  SetWindowPos(window, nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  addTooltips(*p);
  ShowWindow(window, SW_SHOW);
  SetCapture(window);
  return window;
}

}  // namespace lp
