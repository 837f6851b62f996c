// The common dialog's window, entry points and OpenDialog method. The window
// only stands for the unit: it is never shown and draws nothing.
#include "runtime/components/common_dialog.h"
#include "runtime/components/object_link.h"

#include "runtime/components/component_entries.h"
#include "runtime/components/library_link.h"
#include "runtime/components/property_values.h"
#include "runtime/components/window_class.h"
#include "runtime/core/component_type.h"

namespace lp {
namespace {

const wchar_t kClassName[] = L"LumenPathCommonDialog";

CommonDialogObject* objectOf(HWND window) {
  return linkedObject<CommonDialogObject>(window);
}

// The common dialog behind a component, or null when it is another kind.
CommonDialogObject* commonDialogOf(ComponentObject* object) {
  wchar_t name[64] = {};
  if (!object || !object->window || !GetClassNameW(object->window, name, 64) || lstrcmpW(name, kClassName) != 0)
    return nullptr;
  return objectOf(object->window);
}

LRESULT CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    if (CommonDialogObject* object = objectOf(window)) {
      unlinkObject(window);
      delete object;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass() {
  return ensureWindowClass(kClassName, dialogProcedure, CS_DBLCLKS, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}

ComponentObject* create(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent, uint32_t controlId,
                        HMENU, int32_t left, int32_t top, int32_t width, int32_t height, uint32_t windowId,
                        uint32_t unitId, HWND, int32_t designMode) {
  if (!registerClass()) return nullptr;
  auto* object = new CommonDialogObject;
  if (!object->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete object;
    return nullptr;
  }
  object->windowId = windowId;
  object->unitId = unitId;
  DWORD style = (presetStyle & ~WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS;
  if (designMode) style |= WS_BORDER;
  if (!makeChildWindow(*object, kClassName, L"", style, 0, {parent, controlId, left, top, width, height})) {
    delete object;
    return nullptr;
  }
  return object;
}

// Every write is only stored: it acts at the next OpenDialog, so nothing is
// ever rebuilt.
int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  CommonDialogData& d = static_cast<CommonDialogObject*>(object)->data;
  const int32_t number = CommonDialogData::clampValue(index, static_cast<int32_t>(value->word));
  const bool logical = value->word != 0;
  switch (index) {
    case CommonDialogData::kDialogType: d.dialogType = number; break;
    case CommonDialogData::kTitle: d.title = textOf(value); break;
    case CommonDialogData::kFileName: d.fileName = textOf(value); break;
    case CommonDialogData::kFilter: d.filter = textOf(value); break;
    case CommonDialogData::kFilterIndex: d.filterIndex = number; break;
    case CommonDialogData::kInitialDir: d.initialDir = textOf(value); break;
    case CommonDialogData::kDefaultExt: d.defaultExt = textOf(value); break;
    case CommonDialogData::kCreatePrompt: d.createPrompt = logical; break;
    case CommonDialogData::kFileMustExist: d.fileMustExist = logical; break;
    case CommonDialogData::kOverwritePrompt: d.overwritePrompt = logical; break;
    case CommonDialogData::kPathMustExist: d.pathMustExist = logical; break;
    case CommonDialogData::kNoChangeDir: d.noChangeDir = logical; break;
    case CommonDialogData::kFontColor: d.fontColor = static_cast<uint32_t>(value->word); break;
    case CommonDialogData::kBold: d.bold = logical; break;
    case CommonDialogData::kItalic: d.italic = logical; break;
    case CommonDialogData::kStrikeOut: d.strikeOut = logical; break;
    case CommonDialogData::kUnderline: d.underline = logical; break;
    case CommonDialogData::kFontName: d.fontName = textOf(value); break;
    case CommonDialogData::kFontSize: d.fontSize = number; break;
    case CommonDialogData::kHelpFile: d.helpFile = textOf(value); break;
    case CommonDialogData::kHelpCommand: d.helpCommand = number; break;
    case CommonDialogData::kHelpContext: d.helpContext = number; break;
    default: break;
  }
  return 0;
}

PropertyValue text(const std::string& s) { return {reinterpret_cast<uintptr_t>(s.c_str()), 0}; }
PropertyValue word(int64_t v) { return {static_cast<uintptr_t>(static_cast<uint32_t>(v)), 0}; }

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  const CommonDialogData& d = static_cast<CommonDialogObject*>(object)->data;
  switch (index) {
    case CommonDialogData::kDialogType: *out = word(d.dialogType); break;
    case CommonDialogData::kTitle: *out = text(d.title); break;
    case CommonDialogData::kFileName: *out = text(d.fileName); break;
    case CommonDialogData::kFilter: *out = text(d.filter); break;
    case CommonDialogData::kFilterIndex: *out = word(d.filterIndex); break;
    case CommonDialogData::kInitialDir: *out = text(d.initialDir); break;
    case CommonDialogData::kDefaultExt: *out = text(d.defaultExt); break;
    case CommonDialogData::kCreatePrompt: *out = word(d.createPrompt); break;
    case CommonDialogData::kFileMustExist: *out = word(d.fileMustExist); break;
    case CommonDialogData::kOverwritePrompt: *out = word(d.overwritePrompt); break;
    case CommonDialogData::kPathMustExist: *out = word(d.pathMustExist); break;
    case CommonDialogData::kNoChangeDir: *out = word(d.noChangeDir); break;
    case CommonDialogData::kFontColor: *out = word(d.fontColor); break;
    case CommonDialogData::kBold: *out = word(d.bold); break;
    case CommonDialogData::kItalic: *out = word(d.italic); break;
    case CommonDialogData::kStrikeOut: *out = word(d.strikeOut); break;
    case CommonDialogData::kUnderline: *out = word(d.underline); break;
    case CommonDialogData::kFontName: *out = text(d.fontName); break;
    case CommonDialogData::kFontSize: *out = word(d.fontSize); break;
    case CommonDialogData::kHelpFile: *out = text(d.helpFile); break;
    case CommonDialogData::kHelpCommand: *out = word(d.helpCommand); break;
    case CommonDialogData::kHelpContext: *out = word(d.helpContext); break;
    default: return 0;
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<CommonDialogObject*>(object)->data.write());
}

}  // namespace

void* commonDialogInterface(int32_t number) {
  static const ComponentEntries entries = {create, setProperty, getAllPropertyData, getProperty, convertTextsOf<CommonDialogData>};
  return entryOf(entries, number);
}

void cmdOpenDialog(ValueRecord* result, int32_t argc, ValueRecord* args) {
  bool confirmed = false;
  if (argc >= 1 && args) {
    auto* found = reinterpret_cast<ComponentObject*>(callRuntime(kSvcRequireComponent, args[0].low, args[0].high));
    if (CommonDialogObject* dialog = commonDialogOf(found)) {
      switch (dialog->data.dialogType) {
        case CommonDialogData::kOpenFile:
        case CommonDialogData::kSaveFile: confirmed = showFileDialog(*dialog); break;
        case CommonDialogData::kChooseFont: confirmed = showFontDialog(*dialog); break;
        case CommonDialogData::kHelp: confirmed = startHelp(*dialog); break;
        default: break;
      }
    }
  }
  if (result) *result = ValueRecord{confirmed ? 1u : 0u, 0, kLogical};
}

}  // namespace lp
