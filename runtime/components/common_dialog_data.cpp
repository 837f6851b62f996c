#include "runtime/components/common_dialog_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts CommonDialogData::kProperties[kPropertyCount] = {
    {"\xC0\xE0\xD0\xCD" /* 类型 */, "DialogType", kPropChoice, 0},
    {"\xB1\xEA\xCC\xE2" /* 标题 */, "Title", kPropText, 0},
    {"\xCE\xC4\xBC\xFE\xC3\xFB" /* 文件名 */, "FileName", kPropText, 0},
    {"\xB9\xFD\xC2\xCB\xC6\xF7" /* 过滤器 */, "Filter", kPropText, 0},
    {"\xB3\xF5\xCA\xBC\xB9\xFD\xC2\xCB\xC6\xF7" /* 初始过滤器 */, "FilterIndex", kPropInteger, 0},
    {"\xB3\xF5\xCA\xBC\xC4\xBF\xC2\xBC" /* 初始目录 */, "InitialDir", kPropText, 0},
    {"\xC4\xAC\xC8\xCF\xCE\xC4\xBC\xFE\xBA\xF3\xD7\xBA" /* 默认文件后缀 */, "DefaultExt", kPropText, 0},
    {"\xCC\xE1\xCA\xBE\xB4\xB4\xBD\xA8\xCE\xC4\xBC\xFE" /* 提示创建文件 */, "CreatePrompt", kPropLogical, 0},
    {"\xCE\xC4\xBC\xFE\xB1\xD8\xD0\xEB\xB4\xE6\xD4\xDA" /* 文件必须存在 */, "FileMustExist", kPropLogical, 0},
    {"\xCC\xE1\xCA\xBE\xCE\xC4\xBC\xFE\xB8\xB2\xB8\xC7" /* 提示文件覆盖 */, "OverwritePrompt", kPropLogical, 0},
    {"\xC4\xBF\xC2\xBC\xB1\xD8\xD0\xEB\xB4\xE6\xD4\xDA" /* 目录必须存在 */, "PathMustExist", kPropLogical, 0},
    {"\xB2\xBB\xB8\xC4\xB1\xE4\xC4\xBF\xC2\xBC" /* 不改变目录 */, "NoChangeDir", kPropLogical, 0},
    {"\xD7\xD6\xCC\xE5\xD1\xD5\xC9\xAB" /* 字体颜色 */, "FontColor", kPropColour, 0},
    {"\xB4\xD6\xCC\xE5" /* 粗体 */, "Bold", kPropLogical, 0},
    {"\xD0\xB1\xCC\xE5" /* 斜体 */, "Italic", kPropLogical, 0},
    {"\xC9\xBE\xB3\xFD\xCF\xDF" /* 删除线 */, "StrikeOut", kPropLogical, 0},
    {"\xCF\xC2\xBB\xAE\xCF\xDF" /* 下划线 */, "Underline", kPropLogical, 0},
    {"\xD7\xD6\xCC\xE5\xC3\xFB\xB3\xC6" /* 字体名称 */, "FontName", kPropText, 0},
    {"\xD7\xD6\xCC\xE5\xB4\xF3\xD0\xA1" /* 字体大小 */, "FontSize", kPropInteger, 0},
    {"\xB0\xEF\xD6\xFA\xCE\xC4\xBC\xFE" /* 帮助文件 */, "HelpFile", kPropText, 0},
    {"\xB0\xEF\xD6\xFA\xC3\xFC\xC1\xEE" /* 帮助命令 */, "HelpCommand", kPropChoice, 0},
    {"\xB0\xEF\xD6\xFA\xC9\xCF\xCF\xC2\xCE\xC4" /* 帮助上下文 */, "HelpContext", kPropInteger, 0},
};

namespace {

constexpr int32_t kNoLimit = 0x7FFFFFFF;

const ChoiceRange kChoices[] = {
    {CommonDialogData::kDialogType, 0, 3},
    {CommonDialogData::kHelpCommand, 0, 5},
    {CommonDialogData::kFilterIndex, 0, kNoLimit},
    {CommonDialogData::kFontSize, 0, kNoLimit},
};

}  // namespace

int32_t CommonDialogData::clampValue(int32_t ownIndex, int32_t value) {
  return clampChoice(kChoices, ownIndex, value);
}

bool CommonDialogData::read(const uint8_t* block, size_t size) {
  *this = CommonDialogData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  dialogType = in.i32();
  filterIndex = in.i32();
  createPrompt = in.logical();
  fileMustExist = in.logical();
  overwritePrompt = in.logical();
  pathMustExist = in.logical();
  noChangeDir = in.logical();
  fontColor = in.u32();
  bold = in.logical();
  italic = in.logical();
  strikeOut = in.logical();
  underline = in.logical();
  fontSize = in.i32();
  helpCommand = in.i32();
  helpContext = in.i32();
  title = in.text();
  fileName = in.text();
  filter = in.text();
  initialDir = in.text();
  defaultExt = in.text();
  fontName = in.text();
  helpFile = in.text();
  if (!in.ok()) {
    *this = CommonDialogData();
    return false;
  }
  dialogType = clampValue(kDialogType, dialogType);
  helpCommand = clampValue(kHelpCommand, helpCommand);
  return true;
}

std::vector<uint8_t> CommonDialogData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(dialogType);
  out.i32(filterIndex);
  out.logical(createPrompt);
  out.logical(fileMustExist);
  out.logical(overwritePrompt);
  out.logical(pathMustExist);
  out.logical(noChangeDir);
  out.u32(fontColor);
  out.logical(bold);
  out.logical(italic);
  out.logical(strikeOut);
  out.logical(underline);
  out.i32(fontSize);
  out.i32(helpCommand);
  out.i32(helpContext);
  out.text(title);
  out.text(fileName);
  out.text(filter);
  out.text(initialDir);
  out.text(defaultExt);
  out.text(fontName);
  out.text(helpFile);
  return out.take();
}

void CommonDialogData::visitTexts(const TextVisitor& visit) {
  visit(title, false);
  visit(fileName, false);
  visit(filter, false);
  visit(initialDir, false);
  visit(defaultExt, false);
  visit(fontName, false);
  visit(helpFile, false);
}

}  // namespace lp
