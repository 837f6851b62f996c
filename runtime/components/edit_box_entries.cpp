// The edit box's entry points: property writes with their run-time effects
// or the request to re-create the box, property reads from the live control,
// the serialised block, wantsKey and the text conversion.
#include "runtime/components/border_style.h"
#include "runtime/components/component_entries.h"
#include "runtime/components/property_values.h"
#include "runtime/components/component_events.h"
#include "runtime/components/edit_box.h"
#include "runtime/components/edit_box_object.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

// Stores a creation-time value; the box must be rebuilt when it changed.
template <typename T>
int32_t rebuildOnChange(T& stored, T value) {
  if (stored == value) return 0;
  stored = value;
  return 1;
}

void applySelection(EditBoxObject& box) {
  const EditBoxData& d = box.data;
  SendMessageW(box.window, EM_SETSEL, static_cast<WPARAM>(d.selStart), d.selStart + d.selLength);
  SendMessageW(box.window, EM_SCROLLCARET, 0, 0);
}

void writeContent(EditBoxObject& box, const std::string& text) {
  box.data.content = text;
  writeWindowText(box, text);
  raiseEvent(box.windowId, box.unitId, 0);
}

void applyInputMode(EditBoxObject& box) {
  const int32_t mode = box.data.inputMode;
  const wchar_t shown = mode == EditBoxData::kPasswordInput ? passwordCharacter(box.data.passwordChar) : 0;
  SendMessageW(box.window, EM_SETPASSWORDCHAR, shown, 0);
  SendMessageW(box.window, EM_SETREADONLY, mode == EditBoxData::kReadOnlyInput, 0);
  InvalidateRect(box.window, nullptr, TRUE);
}

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& box = *static_cast<EditBoxObject*>(object);
  flushPending(box);
  EditBoxData& d = box.data;
  const int32_t number = EditBoxData::clampValue(index, static_cast<int32_t>(value->word));
  const bool logical = value->word != 0;
  // Positions count characters of the control's text.
  const int32_t textLength = GetWindowTextLengthW(box.window);
  switch (index) {
    case EditBoxData::kContent:
      writeContent(box, textOf(value));
      break;
    case EditBoxData::kBorder:
      d.border = number;
      applyBorderStyle(box.window, d.border);
      applyAdjusterBorder(box);
      break;
    case EditBoxData::kTextColor:
      d.textColor = static_cast<uint32_t>(value->word);
      InvalidateRect(box.window, nullptr, TRUE);
      break;
    case EditBoxData::kBackColor:
      d.backColor = static_cast<uint32_t>(value->word);
      makeBackBrush(box);
      RedrawWindow(box.window, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
      break;
    case EditBoxData::kFont:
      d.font = bufferOf(value);
      applyEditFont(box);
      break;
    case EditBoxData::kHideSelection:
      if (box.designMode) {
        d.hideSelection = logical;
        return 0;
      }
      return rebuildOnChange(d.hideSelection, logical);
    case EditBoxData::kMaxLength:
      d.maxLength = number;
      SendMessageW(box.window, EM_LIMITTEXT, static_cast<WPARAM>(d.maxLength), 0);
      break;
    case EditBoxData::kMultiLine: return rebuildOnChange(d.multiLine, logical);
    case EditBoxData::kScrollBars: return rebuildOnChange(d.scrollBars, number);
    case EditBoxData::kAlignment: return rebuildOnChange(d.alignment, number);
    case EditBoxData::kInputMode:
      d.inputMode = number;
      applyInputMode(box);
      break;
    case EditBoxData::kPasswordChar:
      d.passwordChar = static_cast<uint8_t>(textOf(value)[0]);
      if (d.inputMode == EditBoxData::kPasswordInput) applyInputMode(box);
      break;
    case EditBoxData::kCaseConversion: return rebuildOnChange(d.caseConversion, number);
    case EditBoxData::kAdjuster: return rebuildOnChange(d.adjuster, number);
    case EditBoxData::kAdjusterMin:
      d.adjusterMin = number;
      setAdjusterRange(box);
      break;
    case EditBoxData::kAdjusterMax:
      d.adjusterMax = number;
      setAdjusterRange(box);
      break;
    case EditBoxData::kSelStart:
      d.setSelStart(number, textLength);
      applySelection(box);
      break;
    case EditBoxData::kSelLength:
      d.setSelLength(number, textLength);
      applySelection(box);
      break;
    case EditBoxData::kSelectedText:
      SendMessageW(box.window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(gbkToWide(textOf(value)).c_str()));
      break;
    case EditBoxData::kDataSource: d.dataSource = textOf(value); break;
    case EditBoxData::kDataColumn: d.dataColumn = textOf(value); break;
    default: break;
  }
  return 0;
}

PropertyValue word(int64_t v) { return {static_cast<uintptr_t>(static_cast<uint32_t>(v)), 0}; }

PropertyValue text(std::string& scratch, std::string value) {
  scratch = std::move(value);
  return {reinterpret_cast<uintptr_t>(scratch.c_str()), 0};
}

void currentSelection(HWND window, DWORD* start, DWORD* end) {
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(end));
}

std::string selectedText(HWND window) {
  DWORD start = 0, end = 0;
  currentSelection(window, &start, &end);
  const int length = GetWindowTextLengthW(window);
  std::wstring all(static_cast<size_t>(length) + 1, L'\0');
  all.resize(static_cast<size_t>(GetWindowTextW(window, &all[0], length + 1)));
  if (start > all.size()) start = static_cast<DWORD>(all.size());
  if (end > all.size()) end = static_cast<DWORD>(all.size());
  return end > start ? wideToGbk(std::wstring_view(all).substr(start, end - start)) : std::string();
}

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  auto& box = *static_cast<EditBoxObject*>(object);
  flushPending(box);
  const EditBoxData& d = box.data;
  const bool live = !box.designMode;
  DWORD start = 0, end = 0;
  switch (index) {
    case EditBoxData::kContent: *out = text(box.scratch, live ? editText(box.window) : d.content); break;
    case EditBoxData::kBorder: *out = word(d.border); break;
    case EditBoxData::kTextColor: *out = word(d.textColor); break;
    case EditBoxData::kBackColor: *out = word(d.backColor); break;
    case EditBoxData::kFont:
      *out = {d.font.empty() ? 0 : reinterpret_cast<uintptr_t>(d.font.data()), static_cast<int32_t>(d.font.size())};
      break;
    case EditBoxData::kHideSelection: *out = word(d.hideSelection); break;
    case EditBoxData::kMaxLength: *out = word(d.maxLength); break;
    case EditBoxData::kMultiLine: *out = word(d.multiLine); break;
    case EditBoxData::kScrollBars: *out = word(d.scrollBars); break;
    case EditBoxData::kAlignment: *out = word(d.alignment); break;
    case EditBoxData::kInputMode: *out = word(d.inputMode); break;
    case EditBoxData::kPasswordChar:
      *out = text(box.scratch, d.passwordChar & 0xFF ? std::string(1, static_cast<char>(d.passwordChar)) : "");
      break;
    case EditBoxData::kCaseConversion: *out = word(d.caseConversion); break;
    case EditBoxData::kAdjuster: *out = word(d.adjuster); break;
    case EditBoxData::kAdjusterMin: *out = word(d.adjusterMin); break;
    case EditBoxData::kAdjusterMax: *out = word(d.adjusterMax); break;
    case EditBoxData::kSelStart:
      if (live) currentSelection(box.window, &start, &end);
      *out = word(live ? static_cast<int64_t>(start) : d.selStart);
      break;
    case EditBoxData::kSelLength:
      if (live) currentSelection(box.window, &start, &end);
      *out = word(live ? static_cast<int64_t>(end) - start : d.selLength);
      break;
    case EditBoxData::kSelectedText: *out = text(box.scratch, selectedText(box.window)); break;
    case EditBoxData::kDataSource: *out = text(box.scratch, d.dataSource); break;
    case EditBoxData::kDataColumn: *out = text(box.scratch, d.dataColumn); break;
    default: return 0;
  }
  return 1;
}

// The block a re-created box is built from: the text as the control holds it.
HGLOBAL getAllPropertyData(ComponentObject* object) {
  auto& box = *static_cast<EditBoxObject*>(object);
  flushPending(box);
  if (!box.designMode) box.data.content = editText(box.window);
  return globalBlock(box.data.write());
}

// Enter makes a new line in a multi-line box that may be edited.
int32_t wantsKey(ComponentObject* object, int32_t key) {
  const EditBoxData& d = static_cast<EditBoxObject*>(object)->data;
  return key == VK_RETURN && d.multiLine && d.inputMode != EditBoxData::kReadOnlyInput ? 1 : 0;
}

}  // namespace

void* editBoxInterface(int32_t number) {
  static const ComponentEntries entries = {createEditBox, setProperty, getAllPropertyData, getProperty, convertTextsOf<EditBoxData>, wantsKey};
  return entryOf(entries, number);
}

}  // namespace lp
