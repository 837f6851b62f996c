#include "runtime/components/property_facts.h"

namespace lp {

const PropertyFacts kFixedProperties[8] = {
    {"\xD7\xF3\xB1\xDF" /* 左边 */, "Left", kPropInteger, 0},
    {"\xB6\xA5\xB1\xDF" /* 顶边 */, "Top", kPropInteger, 0},
    {"\xBF\xED\xB6\xC8" /* 宽度 */, "Width", kPropInteger, 0},
    {"\xB8\xDF\xB6\xC8" /* 高度 */, "Height", kPropInteger, 0},
    {"\xB1\xEA\xBC\xC7" /* 标记 */, "Tag", kPropText, 0},
    {"\xBF\xC9\xCA\xD3" /* 可视 */, "Visible", kPropLogical, 0},
    {"\xBD\xFB\xD6\xB9" /* 禁止 */, "Disabled", kPropLogical, 0},
    {"\xCA\xF3\xB1\xEA\xD6\xB8\xD5\xEB" /* 鼠标指针 */, "MousePointer", kPropMousePointer, 0},
};

int32_t propertyCount(const ComponentTypeFacts& type) {
  return (type.hasFixedProperties ? kFixedPropertyCount : 0) + type.ownPropertyCount;
}

const PropertyFacts* propertyAt(const ComponentTypeFacts& type, int32_t index) {
  if (index < 0) return nullptr;
  if (type.hasFixedProperties) {
    if (index < kFixedPropertyCount) return &kFixedProperties[index];
    index -= kFixedPropertyCount;
  }
  return index < type.ownPropertyCount ? &type.ownProperties[index] : nullptr;
}

}  // namespace lp
