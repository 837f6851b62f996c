// The label type's entry points. Every property is applied in place: a
// repaint is an invalidation without erase, so setProperty always returns 0.
#include "runtime/components/border_style.h"
#include "runtime/components/component_entries.h"
#include "runtime/components/label_component.h"
#include "runtime/components/label_object.h"
#include "runtime/components/property_values.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& label = *static_cast<LabelObject*>(object);
  LabelData& d = label.data;
  const int32_t number = LabelData::clampValue(index, wordOf(value));
  const uint32_t colour = static_cast<uint32_t>(value->word);
  switch (index) {
    case LabelData::kCaption:
      d.caption = textOf(value);
      SetWindowTextW(label.window, gbkToWide(d.caption).c_str());
      break;
    case LabelData::kTextEffect: d.textEffect = number; break;
    case LabelData::kBorder:
      d.border = number;
      applyBorderStyle(label.window, d.border);
      break;
    case LabelData::kGradientBorderWidth: d.gradientBorderWidth = number; break;
    case LabelData::kGradientBorderColor1: d.gradientBorderColor1 = colour; break;
    case LabelData::kGradientBorderColor2: d.gradientBorderColor2 = colour; break;
    case LabelData::kGradientBorderColor3: d.gradientBorderColor3 = colour; break;
    case LabelData::kFont: d.font = bufferOf(value); break;
    case LabelData::kTextColor: d.textColor = colour; break;
    case LabelData::kBackColor: d.backColor = colour; break;
    case LabelData::kBackPicture:
      d.backPicture = bufferOf(value);
      label.backPicture.reset();
      break;
    case LabelData::kPictureMode: d.pictureMode = number; break;
    case LabelData::kGradientMode: d.gradientMode = number; break;
    case LabelData::kGradientColor1: d.gradientColor1 = colour; break;
    case LabelData::kGradientColor2: d.gradientColor2 = colour; break;
    case LabelData::kGradientColor3: d.gradientColor3 = colour; break;
    case LabelData::kHorizontalAlign: d.horizontalAlign = number; break;
    case LabelData::kWordWrap: d.wordWrap = value->word != 0; break;
    case LabelData::kVerticalAlign: d.verticalAlign = number; break;
    // Kept for binding; no component of this system is a data source.
    case LabelData::kDataSource: d.dataSource = textOf(value); return 0;
    case LabelData::kDataColumn: d.dataColumn = textOf(value); return 0;
    default: return 0;
  }
  InvalidateRect(label.window, nullptr, FALSE);
  return 0;
}

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  const LabelData& d = static_cast<LabelObject*>(object)->data;
  switch (index) {
    case LabelData::kCaption: *out = textValue(d.caption); break;
    case LabelData::kTextEffect: *out = wordValue(d.textEffect); break;
    case LabelData::kBorder: *out = wordValue(d.border); break;
    case LabelData::kGradientBorderWidth: *out = wordValue(d.gradientBorderWidth); break;
    case LabelData::kGradientBorderColor1: *out = wordValue(d.gradientBorderColor1); break;
    case LabelData::kGradientBorderColor2: *out = wordValue(d.gradientBorderColor2); break;
    case LabelData::kGradientBorderColor3: *out = wordValue(d.gradientBorderColor3); break;
    case LabelData::kFont: *out = bufferValue(d.font); break;
    case LabelData::kTextColor: *out = wordValue(d.textColor); break;
    case LabelData::kBackColor: *out = wordValue(d.backColor); break;
    case LabelData::kBackPicture: *out = bufferValue(d.backPicture); break;
    case LabelData::kPictureMode: *out = wordValue(d.pictureMode); break;
    case LabelData::kGradientMode: *out = wordValue(d.gradientMode); break;
    case LabelData::kGradientColor1: *out = wordValue(d.gradientColor1); break;
    case LabelData::kGradientColor2: *out = wordValue(d.gradientColor2); break;
    case LabelData::kGradientColor3: *out = wordValue(d.gradientColor3); break;
    case LabelData::kHorizontalAlign: *out = wordValue(d.horizontalAlign); break;
    case LabelData::kWordWrap: *out = wordValue(d.wordWrap); break;
    case LabelData::kVerticalAlign: *out = wordValue(d.verticalAlign); break;
    case LabelData::kDataSource: *out = textValue(d.dataSource); break;
    case LabelData::kDataColumn: *out = textValue(d.dataColumn); break;
    default: return 0;
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<LabelObject*>(object)->data.write());
}

}  // namespace

void* labelInterface(int32_t number) {
  static const ComponentEntries entries = {createLabel, setProperty, getAllPropertyData, getProperty, convertTextsOf<LabelData>};
  return entryOf(entries, number);
}

}  // namespace lp
