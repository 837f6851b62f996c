// The transparent label type's entry points. Every property is applied in
// place and followed by a refresh of what lies behind the label.
#include "runtime/components/component_entries.h"
#include "runtime/components/property_values.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/transparent_label.h"
#include "runtime/extended/transparent_label_object.h"

namespace lp {
namespace {

using Data = TransparentLabelData;

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& label = *static_cast<TransparentLabelObject*>(object);
  Data& d = label.data;
  const int32_t number = Data::clampValue(index, wordOf(value));
  switch (index) {
    case Data::kCaption:
      d.caption = textOf(value);
      SetWindowTextW(label.window, gbkToWide(d.caption).c_str());
      break;
    case Data::kTextEffect: d.textEffect = number; break;
    case Data::kFont: d.font = bufferOf(value); break;
    case Data::kTextColor: d.textColor = static_cast<uint32_t>(value->word); break;
    case Data::kHorizontalAlign: d.horizontalAlign = number; break;
    case Data::kWordWrap: d.wordWrap = value->word != 0; break;
    case Data::kVerticalAlign: d.verticalAlign = number; break;
    default: return 0;
  }
  refreshBehind(label.window);
  return 0;
}

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  const Data& d = static_cast<TransparentLabelObject*>(object)->data;
  switch (index) {
    case Data::kCaption: *out = textValue(d.caption); break;
    case Data::kTextEffect: *out = wordValue(d.textEffect); break;
    case Data::kFont: *out = bufferValue(d.font); break;
    case Data::kTextColor: *out = wordValue(d.textColor); break;
    case Data::kHorizontalAlign: *out = wordValue(d.horizontalAlign); break;
    case Data::kWordWrap: *out = wordValue(d.wordWrap); break;
    case Data::kVerticalAlign: *out = wordValue(d.verticalAlign); break;
    default: return 0;
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<TransparentLabelObject*>(object)->data.write());
}

}  // namespace

void* transparentLabelInterface(int32_t number) {
  static const ComponentEntries entries = {createTransparentLabel, setProperty, getAllPropertyData, getProperty, convertTextsOf<Data>};
  return entryOf(entries, number);
}

}  // namespace lp
