// Creating the edit box: its styles, the EDIT window, the font with the
// single-line height rule, the background brush and the adjuster.
#include <string>

#include "runtime/components/border_style.h"
#include "runtime/components/component_colour.h"
#include "runtime/components/component_font.h"
#include "runtime/components/edit_box_object.h"
#include "runtime/components/object_link.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

DWORD creationStyle(const EditBoxData& d, uint32_t presetStyle) {
  DWORD style = presetStyle | WS_CHILD | WS_CLIPSIBLINGS;
  if (!d.hideSelection) style |= ES_NOHIDESEL;
  if (d.multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    // Without a horizontal scroll bar long lines wrap.
    if (d.scrollBars == 1 || d.scrollBars == 3) style |= ES_AUTOHSCROLL;
    if (d.scrollBars == 1 || d.scrollBars == 3) style |= WS_HSCROLL;
    if (d.scrollBars == 2 || d.scrollBars == 3) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (d.alignment == 1) style |= ES_CENTER;
  if (d.alignment == 2) style |= ES_RIGHT;
  if (d.inputMode == EditBoxData::kReadOnlyInput) style |= ES_READONLY;
  if (d.inputMode == EditBoxData::kPasswordInput) style |= ES_PASSWORD;
  if (d.caseConversion == 1) style |= ES_LOWERCASE;
  if (d.caseConversion == 2) style |= ES_UPPERCASE;
  return style;
}

// Height of a text line in the font: the measure of a Chinese character.
int lineHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, fontOrDefault(font));
  SIZE size = {};
  GetTextExtentPoint32W(dc, L"\x5434" /* 吴 */, 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

}  // namespace

// The object lives in the window's user data, which the EDIT class leaves
// alone; unlike a window property it is read without a round trip to the
// window manager, and the procedure sees it on every message.
EditBoxObject* editBoxOf(HWND window) {
  if (!window || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != editBoxProcedure)
    return nullptr;
  return linkedObject<EditBoxObject>(window);
}

std::string editText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], length + 1)));
  return wideToGbk(text);
}

void writeWindowText(EditBoxObject& box, const std::string& text) {
  box.writingContent = true;
  SetWindowTextW(box.window, gbkToWide(text).c_str());
  box.writingContent = false;
}

void makeBackBrush(EditBoxObject& box) {
  if (box.backBrush) DeleteObject(box.backBrush);
  box.backBrush = box.data.backColor == kClrDefault ? nullptr : CreateSolidBrush(backgroundColour(box.data.backColor));
}

HBRUSH backBrushOf(const EditBoxObject& box) {
  return box.backBrush ? box.backBrush : GetSysColorBrush(COLOR_BTNFACE);
}

void applyEditFont(EditBoxObject& box) {
  HFONT created = createFontFromBuffer(box.data.font.data(), box.data.font.size());
  if (!box.data.multiLine) {
    const int minimum = lineHeight(created) + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT r;
    GetWindowRect(box.window, &r);
    if (r.bottom - r.top < minimum)
      SetWindowPos(box.window, nullptr, 0, 0, r.right - r.left, minimum, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(box.window, WM_SETFONT, reinterpret_cast<WPARAM>(fontOrDefault(created)), TRUE);
  if (box.font) DeleteObject(box.font);
  box.font = created;
  if (!box.data.multiLine)
    SetWindowPos(box.window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

ComponentObject* createEditBox(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                               uint32_t controlId, HMENU, int32_t left, int32_t top, int32_t width, int32_t height,
                               uint32_t windowId, uint32_t unitId, HWND, int32_t designMode) {
  auto* box = new EditBoxObject;
  if (!box->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete box;
    return nullptr;
  }
  EditBoxData& d = box->data;
  d.maxLength = EditBoxData::clampValue(EditBoxData::kMaxLength, d.maxLength);
  box->windowId = windowId;
  box->unitId = unitId;
  box->designMode = designMode != 0;
  makeBackBrush(*box);
  box->window = CreateWindowExW(0, L"EDIT", gbkToWide(d.content).c_str(), creationStyle(d, presetStyle), left, top,
                                width, height, parent, reinterpret_cast<HMENU>(static_cast<uintptr_t>(controlId)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!box->window) {
    if (box->backBrush) DeleteObject(box->backBrush);
    delete box;
    return nullptr;
  }
  linkObject(box->window, box);
  box->classProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(box->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editBoxProcedure)));

  applyEditFont(*box);
  SendMessageW(box->window, EM_LIMITTEXT, static_cast<WPARAM>(d.maxLength), 0);
  if (d.inputMode == EditBoxData::kPasswordInput)
    SendMessageW(box->window, EM_SETPASSWORDCHAR, passwordCharacter(d.passwordChar), 0);
  if (!d.multiLine && d.adjuster != EditBoxData::kNoAdjuster) createAdjuster(*box, presetStyle, parent, controlId);
  SendMessageW(box->window, EM_SETSEL, static_cast<WPARAM>(d.selStart), d.selStart + d.selLength);
  SendMessageW(box->window, EM_SCROLLCARET, 0, 0);
  applyBorderStyle(box->window, d.border);
  return box;
}

void forgetEditBox(EditBoxObject& box) {
  SetWindowLongPtrW(box.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(box.classProcedure));
  unlinkObject(box.window);
}

}  // namespace lp
