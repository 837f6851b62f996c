// The button type's entry points. A new Picture changes creation styles
// (BS_ICON / BS_BITMAP), so it asks for re-creation; everything else is
// applied to the live control.
#include "runtime/components/button_component.h"
#include "runtime/components/button_object.h"
#include "runtime/components/component_entries.h"
#include "runtime/components/component_font.h"
#include "runtime/components/property_values.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& button = *static_cast<ButtonObject*>(object);
  ButtonData& d = button.data;
  const int32_t number = ButtonData::clampValue(index, wordOf(value));
  switch (index) {
    case ButtonData::kPicture: {
      std::vector<uint8_t> picture = bufferOf(value);
      if (picture == d.picture) return 0;
      d.picture = std::move(picture);
      return 1;
    }
    case ButtonData::kButtonType:
      d.buttonType = number;
      replaceButtonStyle(button.window, BS_TYPEMASK, buttonKindStyle(number));
      break;
    case ButtonData::kCaption:
      d.caption = textOf(value);
      SetWindowTextW(button.window, gbkToWide(d.caption).c_str());
      break;
    case ButtonData::kHorizontalAlign:
      d.horizontalAlign = number;
      replaceButtonStyle(button.window, BS_LEFT | BS_RIGHT | BS_CENTER, horizontalAlignStyle(number));
      break;
    case ButtonData::kVerticalAlign:
      d.verticalAlign = number;
      replaceButtonStyle(button.window, BS_TOP | BS_BOTTOM | BS_VCENTER, verticalAlignStyle(number));
      break;
    case ButtonData::kFont:
      d.font = bufferOf(value);
      applyFont(button.window, d.font, button.font);
      break;
    default:
      break;
  }
  return 0;
}

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  const ButtonData& d = static_cast<ButtonObject*>(object)->data;
  switch (index) {
    case ButtonData::kPicture: *out = bufferValue(d.picture); break;
    case ButtonData::kButtonType: *out = wordValue(d.buttonType); break;
    case ButtonData::kCaption: *out = textValue(d.caption); break;
    case ButtonData::kHorizontalAlign: *out = wordValue(d.horizontalAlign); break;
    case ButtonData::kVerticalAlign: *out = wordValue(d.verticalAlign); break;
    case ButtonData::kFont: *out = bufferValue(d.font); break;
    default: return 0;
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<ButtonObject*>(object)->data.write());
}

// The button kind in the live style decides, so a ButtonType write counts at once.
int32_t isDefaultButton(ComponentObject* object) {
  const LONG_PTR style = GetWindowLongPtrW(object->window, GWL_STYLE);
  return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? 1 : 0;
}

}  // namespace

void* buttonInterface(int32_t number) {
  static const ComponentEntries entries = {createButton, setProperty, getAllPropertyData, getProperty, convertTextsOf<ButtonData>, nullptr, nullptr, isDefaultButton};
  return entryOf(entries, number);
}

}  // namespace lp
