#include "runtime/components/button_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts ButtonData::kProperties[kPropertyCount] = {
    {"\xCD\xBC\xC6\xAC" /* 图片 */, "Picture", kPropPicture, 0},
    {"\xC0\xE0\xD0\xCD" /* 类型 */, "ButtonType", kPropChoice, 0},
    {"\xB1\xEA\xCC\xE2" /* 标题 */, "Caption", kPropText, 0},
    {"\xBA\xE1\xCF\xF2\xB6\xD4\xC6\xEB" /* 横向对齐 */, "HorizontalAlign", kPropChoice, 0},
    {"\xD7\xDD\xCF\xF2\xB6\xD4\xC6\xEB" /* 纵向对齐 */, "VerticalAlign", kPropChoice, 0},
    {"\xD7\xD6\xCC\xE5" /* 字体 */, "Font", kPropFont, 0},
};

namespace {

const ChoiceRange kChoices[] = {
    {ButtonData::kButtonType, 0, 1},
    {ButtonData::kHorizontalAlign, 0, 2},
    {ButtonData::kVerticalAlign, 0, 2},
};

}  // namespace

int32_t ButtonData::clampValue(int32_t ownIndex, int32_t value) {
  return clampChoice(kChoices, ownIndex, value);
}

bool ButtonData::read(const uint8_t* block, size_t size) {
  *this = ButtonData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  buttonType = in.i32();
  horizontalAlign = in.i32();
  verticalAlign = in.i32();
  picture = in.bytes();
  font = in.bytes();
  caption = in.text();
  if (!in.ok()) {
    *this = ButtonData();
    return false;
  }
  buttonType = clampValue(kButtonType, buttonType);
  horizontalAlign = clampValue(kHorizontalAlign, horizontalAlign);
  verticalAlign = clampValue(kVerticalAlign, verticalAlign);
  return true;
}

std::vector<uint8_t> ButtonData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(buttonType);
  out.i32(horizontalAlign);
  out.i32(verticalAlign);
  out.bytes(picture);
  out.bytes(font);
  out.text(caption);
  return out.take();
}

void ButtonData::visitTexts(const TextVisitor& visit) {
  visit(caption, false);
  visitFaceName(font, visit);
}

}  // namespace lp
