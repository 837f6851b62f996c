// The common dialog (Core Library type 31, `CommonDlg`): an invisible child
// window that stands for the unit on its form and shows the system's file,
// font or help dialog when OpenDialog is called. Its properties carry the
// settings in and the user's choices out.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

#include "runtime/components/common_dialog_data.h"
#include "runtime/core/component_object.h"
#include "runtime/core/value.h"

namespace lp {

struct CommonDialogObject : ComponentObject {
  CommonDialogData data;
};

// The type's entry points by interface number (create, setProperty,
// getAllPropertyData, getProperty, convertTexts); null for every other.
void* commonDialogInterface(int32_t number);

// Shows the dialog of the object's kind; true when the user confirmed it (or
// help was started). The properties change only on confirmation.
bool showFileDialog(CommonDialogObject& dialog);
bool showFontDialog(CommonDialogObject& dialog);
bool startHelp(CommonDialogObject& dialog);

// The Win32 filter list of a Filter text: "||" appended unless it already
// ends so, then every "|" a zero. Empty for an empty filter.
std::string filterList(const std::string& filter);
// The 1-based filter the file dialog shows first: 0 without a filter.
uint32_t firstFilterShown(const CommonDialogData& data);

// The font the dialog starts from, at the screen's pixels per inch.
LOGFONTW startingFont(const CommonDialogData& data, int pixelsPerInch);
// The user's choice written back into the properties.
void takeChosenFont(CommonDialogData& data, const LOGFONTW& font, COLORREF colour, int pixelsPerInch);

// OpenDialog(common dialog) -> logical.
void cmdOpenDialog(ValueRecord* result, int32_t argc, ValueRecord* args);

}  // namespace lp
