#include "runtime/components/core_type_records.h"

#include "runtime/components/list_box_component.h"
#include "runtime/components/button_component.h"
#include "runtime/components/label_component.h"
#include "runtime/components/edit_box.h"
#include "runtime/components/common_dialog.h"
#include "runtime/components/type_records.h"
#include "runtime/components/window_component.h"
#include "runtime/extended/colour_picker.h"
#include "runtime/extended/external_database.h"

namespace lp {
namespace {

// The Core Library's types that have their Win32 part; a type missing here
// is shown as the placeholder when a window holds one.
const TypeProvider kCoreProviders[] = {
    {kWindowType, windowInterface},
    {kListBoxType, listBoxInterface},
    {kLabelType, labelInterface},
    {kButtonType, buttonInterface},
    {kEditBoxType, editBoxInterface},
    {kColorPickerType, colourPickerInterface},
    {kCommonDialogType, commonDialogInterface},
    {kExternalDatabaseType, externalDatabaseProvider},
};

bool buildCoreTypes() {
  buildTypeRecords(kCoreTypes, kCoreTypeCount, kCoreProviders,
                   sizeof kCoreProviders / sizeof kCoreProviders[0], kCoreTypeRecords);
  return true;
}

}  // namespace

ComponentTypeRecord kCoreTypeRecords[kCoreTypeCount];
const bool kCoreTypesBuilt = buildCoreTypes();

}  // namespace lp
