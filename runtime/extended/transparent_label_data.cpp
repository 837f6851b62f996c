#include "runtime/extended/transparent_label_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts TransparentLabelData::kProperties[kPropertyCount] = {
    {"\xB1\xEA\xCC\xE2" /* 标题 */, "Caption", kPropText, 0},
    {"\xCE\xC4\xD7\xD6\xD0\xA7\xB9\xFB" /* 文字效果 */, "TextEffect", kPropChoice, 0},
    {"\xD7\xD6\xCC\xE5" /* 字体 */, "Font", kPropFont, 0},
    {"\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB" /* 文本颜色 */, "TextColor", kPropColour, 0},
    {"\xBA\xE1\xCF\xF2\xB6\xD4\xC6\xEB" /* 横向对齐 */, "HorizontalAlign", kPropChoice, 0},
    {"\xD7\xD4\xB6\xAF\xBB\xBB\xD0\xD0" /* 自动换行 */, "WordWrap", kPropLogical, 0},
    {"\xD7\xDD\xCF\xF2\xB6\xD4\xC6\xEB" /* 纵向对齐 */, "VerticalAlign", kPropChoice, 0},
};

namespace {

const ChoiceRange kChoices[] = {
    {TransparentLabelData::kTextEffect, 0, 3},
    {TransparentLabelData::kHorizontalAlign, 0, 2},
    {TransparentLabelData::kVerticalAlign, 0, 2},
};

}  // namespace

int32_t TransparentLabelData::clampValue(int32_t ownIndex, int32_t value) {
  return clampChoice(kChoices, ownIndex, value);
}

bool TransparentLabelData::read(const uint8_t* block, size_t size) {
  *this = TransparentLabelData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  textEffect = in.i32();
  textColor = in.u32();
  horizontalAlign = in.i32();
  verticalAlign = in.i32();
  wordWrap = in.logical();
  font = in.bytes();
  caption = in.text();
  if (!in.ok()) {
    *this = TransparentLabelData();
    return false;
  }
  textEffect = clampValue(kTextEffect, textEffect);
  horizontalAlign = clampValue(kHorizontalAlign, horizontalAlign);
  verticalAlign = clampValue(kVerticalAlign, verticalAlign);
  return true;
}

std::vector<uint8_t> TransparentLabelData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(textEffect);
  out.u32(textColor);
  out.i32(horizontalAlign);
  out.i32(verticalAlign);
  out.logical(wordWrap);
  out.bytes(font);
  out.text(caption);
  return out.take();
}

void TransparentLabelData::visitTexts(const TextVisitor& visit) {
  visit(caption, false);
  visitFaceName(font, visit);
}

}  // namespace lp
