#include "runtime/components/label_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts LabelData::kProperties[kPropertyCount] = {
    {"\xB1\xEA\xCC\xE2" /* 标题 */, "Caption", kPropText, 0},
    {"\xCE\xC4\xD7\xD6\xD0\xA7\xB9\xFB" /* 文字效果 */, "TextEffect", kPropChoice, 0},
    {"\xB1\xDF\xBF\xF2" /* 边框 */, "Border", kPropChoice, 0},
    {"\xBD\xA5\xB1\xE4\xB1\xDF\xBF\xF2\xBF\xED\xB6\xC8" /* 渐变边框宽度 */, "GradientBorderWidth", kPropInteger, 0},
    {"\xBD\xA5\xB1\xE4\xB1\xDF\xBF\xF2\xD1\xD5\xC9\xAB""1" /* 渐变边框颜色1 */, "GradientBorderColor1", kPropColourOrNone, 0},
    {"\xBD\xA5\xB1\xE4\xB1\xDF\xBF\xF2\xD1\xD5\xC9\xAB""2" /* 渐变边框颜色2 */, "GradientBorderColor2", kPropColourOrNone, 0},
    {"\xBD\xA5\xB1\xE4\xB1\xDF\xBF\xF2\xD1\xD5\xC9\xAB""3" /* 渐变边框颜色3 */, "GradientBorderColor3", kPropColourOrNone, 0},
    {"\xD7\xD6\xCC\xE5" /* 字体 */, "Font", kPropFont, 0},
    {"\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB" /* 文本颜色 */, "TextColor", kPropColour, 0},
    {"\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB" /* 背景颜色 */, "BackColor", kPropBackColour, 0},
    {"\xB1\xB3\xBE\xB0\xCD\xBC\xC6\xAC" /* 背景图片 */, "BackPicture", kPropPicture, 0},
    {"\xCD\xBC\xC6\xAC\xB7\xBD\xCA\xBD" /* 图片方式 */, "PictureMode", kPropChoice, 0},
    {"\xBD\xA5\xB1\xE4\xB7\xBD\xCA\xBD" /* 渐变方式 */, "GradientMode", kPropChoice, 0},
    {"\xBD\xA5\xB1\xE4\xD1\xD5\xC9\xAB""1" /* 渐变颜色1 */, "GradientColor1", kPropColourOrNone, 0},
    {"\xBD\xA5\xB1\xE4\xD1\xD5\xC9\xAB""2" /* 渐变颜色2 */, "GradientColor2", kPropColourOrNone, 0},
    {"\xBD\xA5\xB1\xE4\xD1\xD5\xC9\xAB""3" /* 渐变颜色3 */, "GradientColor3", kPropColourOrNone, 0},
    {"\xBA\xE1\xCF\xF2\xB6\xD4\xC6\xEB" /* 横向对齐 */, "HorizontalAlign", kPropChoice, 0},
    {"\xD7\xD4\xB6\xAF\xBB\xBB\xD0\xD0" /* 自动换行 */, "WordWrap", kPropLogical, 0},
    {"\xD7\xDD\xCF\xF2\xB6\xD4\xC6\xEB" /* 纵向对齐 */, "VerticalAlign", kPropChoice, 0},
    {"\xCA\xFD\xBE\xDD\xD4\xB4" /* 数据源 */, "DataSource", kPropDataSource, 0},
    {"\xCA\xFD\xBE\xDD\xC1\xD0" /* 数据列 */, "DataColumn", kPropDataColumn, 0},
};

namespace {

const ChoiceRange kChoices[] = {
    {LabelData::kTextEffect, 0, 3},      {LabelData::kBorder, 0, 6},
    {LabelData::kPictureMode, 0, 2},     {LabelData::kGradientMode, 0, 8},
    {LabelData::kHorizontalAlign, 0, 2}, {LabelData::kVerticalAlign, 0, 2},
};

}  // namespace

int32_t LabelData::clampValue(int32_t ownIndex, int32_t value) {
  if (ownIndex == kGradientBorderWidth && value < kMinGradientBorderWidth)
    return kMinGradientBorderWidth;
  return clampChoice(kChoices, ownIndex, value);
}

bool LabelData::read(const uint8_t* block, size_t size) {
  *this = LabelData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  textEffect = in.i32();
  gradientBorderWidth = in.i32();
  border = in.i32();
  gradientBorderColor1 = in.u32();
  gradientBorderColor2 = in.u32();
  gradientBorderColor3 = in.u32();
  textColor = in.u32();
  backColor = in.u32();
  pictureMode = in.i32();
  gradientMode = in.i32();
  gradientColor1 = in.u32();
  gradientColor2 = in.u32();
  gradientColor3 = in.u32();
  horizontalAlign = in.i32();
  verticalAlign = in.i32();
  wordWrap = in.logical();
  font = in.bytes();
  backPicture = in.bytes();
  caption = in.text();
  if (version >= 2) {
    dataSource = in.text();
    dataColumn = in.text();
  }
  if (!in.ok()) {
    *this = LabelData();
    return false;
  }
  textEffect = clampValue(kTextEffect, textEffect);
  border = clampValue(kBorder, border);
  pictureMode = clampValue(kPictureMode, pictureMode);
  gradientMode = clampValue(kGradientMode, gradientMode);
  horizontalAlign = clampValue(kHorizontalAlign, horizontalAlign);
  verticalAlign = clampValue(kVerticalAlign, verticalAlign);
  return true;
}

std::vector<uint8_t> LabelData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(textEffect);
  out.i32(gradientBorderWidth);
  out.i32(border);
  out.u32(gradientBorderColor1);
  out.u32(gradientBorderColor2);
  out.u32(gradientBorderColor3);
  out.u32(textColor);
  out.u32(backColor);
  out.i32(pictureMode);
  out.i32(gradientMode);
  out.u32(gradientColor1);
  out.u32(gradientColor2);
  out.u32(gradientColor3);
  out.i32(horizontalAlign);
  out.i32(verticalAlign);
  out.logical(wordWrap);
  out.bytes(font);
  out.bytes(backPicture);
  out.text(caption);
  out.text(dataSource);
  out.text(dataColumn);
  return out.take();
}

void LabelData::visitTexts(const TextVisitor& visit) {
  visit(caption, false);
  visitFaceName(font, visit);
  visit(dataSource, false);
  visit(dataColumn, false);
}

}  // namespace lp
