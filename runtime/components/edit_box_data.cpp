#include "runtime/components/edit_box_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts EditBoxData::kProperties[kPropertyCount] = {
    {"\xC4\xDA\xC8\xDD" /* 内容 */, "Content", kPropText, 0},
    {"\xB1\xDF\xBF\xF2" /* 边框 */, "Border", kPropChoice, 0},
    {"\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB" /* 文本颜色 */, "TextColor", kPropColour, 0},
    {"\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB" /* 背景颜色 */, "BackColor", kPropBackColour, 0},
    {"\xD7\xD6\xCC\xE5" /* 字体 */, "Font", kPropFont, 0},
    {"\xD2\xFE\xB2\xD8\xD1\xA1\xD4\xF1" /* 隐藏选择 */, "HideSelection", kPropLogical, 0},
    {"\xD7\xEE\xB4\xF3\xB3\xA4\xB6\xC8" /* 最大长度 */, "MaxLength", kPropInteger, 0},
    {"\xB6\xE0\xD0\xD0" /* 多行 */, "MultiLine", kPropLogical, 0},
    {"\xB9\xF6\xB6\xAF\xCC\xF5" /* 滚动条 */, "ScrollBars", kPropChoice, 0},
    {"\xB6\xD4\xC6\xEB\xB7\xBD\xCA\xBD" /* 对齐方式 */, "Alignment", kPropChoice, 0},
    {"\xCA\xE4\xC8\xEB\xB7\xBD\xCA\xBD" /* 输入方式 */, "InputMode", kPropChoice, 0},
    {"\xC3\xDC\xC2\xEB\xD7\xD6\xB7\xFB" /* 密码字符 */, "PasswordChar", kPropText, 0},
    {"\xB4\xF3\xD0\xA1\xD0\xB4\xD7\xAA\xBB\xBB" /* 大小写转换 */, "CaseConversion", kPropChoice, 0},
    {"\xB5\xF7\xBD\xDA\xC6\xF7" /* 调节器 */, "Adjuster", kPropChoice, 0},
    {"\xB5\xF7\xBD\xDA\xC6\xF7\xD7\xEE\xD0\xA1\xD6\xB5" /* 调节器最小值 */, "AdjusterMin", kPropInteger, 0},
    {"\xB5\xF7\xBD\xDA\xC6\xF7\xD7\xEE\xB4\xF3\xD6\xB5" /* 调节器最大值 */, "AdjusterMax", kPropInteger, 0},
    {"\xC6\xF0\xCA\xBC\xD1\xA1\xD4\xF1\xCE\xBB\xD6\xC3" /* 起始选择位置 */, "SelStart", kPropInteger, 0},
    {"\xB1\xBB\xD1\xA1\xD4\xF1\xB3\xA4\xB6\xC8" /* 被选择长度 */, "SelLength", kPropInteger, 0},
    {"\xB1\xBB\xD1\xA1\xD4\xF1\xCE\xC4\xB1\xBE" /* 被选择文本 */, "SelectedText", kPropText, kPropRunTimeOnly},
    {"\xCA\xFD\xBE\xDD\xD4\xB4" /* 数据源 */, "DataSource", kPropDataSource, 0},
    {"\xCA\xFD\xBE\xDD\xC1\xD0" /* 数据列 */, "DataColumn", kPropDataColumn, 0},
};

namespace {

const ChoiceRange kChoices[] = {
    {EditBoxData::kBorder, 0, 5},    {EditBoxData::kScrollBars, 0, 3},
    {EditBoxData::kAlignment, 0, 2}, {EditBoxData::kInputMode, 0, 11},
    {EditBoxData::kCaseConversion, 0, 2}, {EditBoxData::kAdjuster, 0, 2},
};

}  // namespace

int32_t EditBoxData::clampValue(int32_t ownIndex, int32_t value) {
  if (ownIndex == kMaxLength && value < 0) return 0;
  return clampChoice(kChoices, ownIndex, value);
}

void EditBoxData::setSelStart(int32_t value, int32_t textLength) {
  if (value == -1) {
    selStart = textLength;
    selLength = 0;
  } else {
    selStart = value < 0 ? 0 : value;
  }
}

void EditBoxData::setSelLength(int32_t value, int32_t textLength) {
  if (value == -1) {
    selStart = 0;
    selLength = textLength;
  } else {
    selLength = value < 0 ? 0 : value;
  }
}

bool EditBoxData::read(const uint8_t* block, size_t size) {
  *this = EditBoxData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  border = in.i32();
  textColor = in.u32();
  backColor = in.u32();
  hideSelection = in.logical();
  maxLength = in.i32();
  multiLine = in.logical();
  scrollBars = in.i32();
  alignment = in.i32();
  inputMode = in.i32();
  passwordChar = in.u16();
  caseConversion = in.i32();
  adjuster = in.i32();
  adjusterMin = in.i32();
  adjusterMax = in.i32();
  selStart = in.i32();
  selLength = in.i32();
  font = in.bytes();
  content = in.text();
  if (version >= 2) {
    dataSource = in.text();
    dataColumn = in.text();
  }
  if (!in.ok()) {
    *this = EditBoxData();
    return false;
  }
  border = clampValue(kBorder, border);
  scrollBars = clampValue(kScrollBars, scrollBars);
  alignment = clampValue(kAlignment, alignment);
  inputMode = clampValue(kInputMode, inputMode);
  caseConversion = clampValue(kCaseConversion, caseConversion);
  adjuster = clampValue(kAdjuster, adjuster);
  return true;
}

std::vector<uint8_t> EditBoxData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(border);
  out.u32(textColor);
  out.u32(backColor);
  out.logical(hideSelection);
  out.i32(maxLength);
  out.logical(multiLine);
  out.i32(scrollBars);
  out.i32(alignment);
  out.i32(inputMode);
  out.u16(passwordChar);
  out.i32(caseConversion);
  out.i32(adjuster);
  out.i32(adjusterMin);
  out.i32(adjusterMax);
  out.i32(selStart);
  out.i32(selLength);
  out.bytes(font);
  out.text(content);
  out.text(dataSource);
  out.text(dataColumn);
  return out.take();
}

void EditBoxData::visitTexts(const TextVisitor& visit) {
  visit(content, false);
  visitFaceName(font, visit);
  visit(dataSource, false);
  visit(dataColumn, false);
}

}  // namespace lp
