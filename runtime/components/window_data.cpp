#include "runtime/components/window_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"

namespace lp {

const PropertyFacts WindowData::kProperties[kPropertyCount] = {
    {"\xB1\xEA\xCC\xE2" /* 标题 */, "Caption", kPropText, 0},
    {"\xB1\xDF\xBF\xF2" /* 边框 */, "Border", kPropChoice, 0},
    {"\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB" /* 背景颜色 */, "BackColor", kPropBackColour, 0},
    {"\xB1\xB3\xBE\xB0\xCD\xBC\xC6\xAC" /* 背景图片 */, "BackPicture", kPropPicture, 0},
    {"\xCD\xBC\xC6\xAC\xB7\xBD\xCA\xBD" /* 图片方式 */, "PictureMode", kPropChoice, 0},
    {"\xB1\xB3\xBE\xB0\xD2\xF4\xC0\xD6" /* 背景音乐 */, "BackMusic", kPropSound, 0},
    {"\xB2\xA5\xB7\xC5\xB4\xCE\xCA\xFD" /* 播放次数 */, "PlayCount", kPropChoice, 0},
    {"\xBF\xD8\xD6\xC6\xB0\xB4\xC5\xA5" /* 控制按钮 */, "ControlBox", kPropLogical, 0},
    {"\xD7\xEE\xB4\xF3\xBB\xAF\xB0\xB4\xC5\xA5" /* 最大化按钮 */, "MaxButton", kPropLogical, 0},
    {"\xD7\xEE\xD0\xA1\xBB\xAF\xB0\xB4\xC5\xA5" /* 最小化按钮 */, "MinButton", kPropLogical, 0},
    {"\xCE\xBB\xD6\xC3" /* 位置 */, "Position", kPropChoice, 0},
    {"\xBF\xC9\xD2\xC6\xB6\xAF" /* 可移动 */, "Movable", kPropLogical, 0},
    {"\xCD\xBC\xB1\xEA" /* 图标 */, "Icon", kPropIcon, 0},
    {"\xBB\xD8\xB3\xB5\xD2\xC6\xB6\xAF\xBD\xB9\xB5\xE3" /* 回车移动焦点 */, "EnterMovesFocus", kPropLogical, 0},
    {"Esc\xBC\xFC\xB9\xD8\xB1\xD5" /* Esc键关闭 */, "EscCloses", kPropLogical, 0},
    {"F1\xBC\xFC\xB4\xF2\xBF\xAA\xB0\xEF\xD6\xFA" /* F1键打开帮助 */, "F1OpensHelp", kPropLogical, 0},
    {"\xB0\xEF\xD6\xFA\xCE\xC4\xBC\xFE" /* 帮助文件 */, "HelpFile", kPropFileName, 0},
    {"\xB0\xEF\xD6\xFA\xC9\xCF\xCF\xC2\xCE\xC4" /* 帮助上下文 */, "HelpContext", kPropInteger, 0},
    {"\xD4\xDA\xC8\xCE\xCE\xF1\xC0\xB8\xCF\xD4\xCA\xBE" /* 在任务栏显示 */, "ShowInTaskbar", kPropLogical, 0},
    {"\xC8\xCE\xD2\xE2\xCE\xBB\xD6\xC3\xCD\xCF\xB6\xAF" /* 任意位置拖动 */, "MoveAnywhere", kPropLogical, 0},
    {"\xCD\xE2\xD0\xCE" /* 外形 */, "Shape", kPropChoice, 0},
    {"\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0" /* 总在最前 */, "AlwaysOnTop", kPropLogical, 0},
    {"\xB1\xEA\xCC\xE2\xC0\xB8\xB1\xA3\xB3\xD6\xBC\xA4\xBB\xEE" /* 标题栏保持激活 */, "KeepTitleActive", kPropLogical, 0},
    {"\xB4\xB0\xBF\xDA\xC0\xE0\xC3\xFB" /* 窗口类名 */, "WindowClassName", kPropText, 0},
};

namespace {

const ChoiceRange kChoices[] = {
    {WindowData::kBorder, 0, 6},   {WindowData::kPictureMode, 0, 3},
    {WindowData::kPlayCount, 0, 2}, {WindowData::kPosition, 0, 3},
    {WindowData::kShape, 0, 29},
};

}  // namespace

int32_t WindowData::clampValue(int32_t ownIndex, int32_t value) {
  return clampChoice(kChoices, ownIndex, value);
}

bool WindowData::read(const uint8_t* block, size_t size) {
  *this = WindowData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  border = in.i32();
  pictureMode = in.i32();
  backColor = in.u32();
  maxButton = in.logical();
  minButton = in.logical();
  controlBox = in.logical();
  position = in.i32();
  movable = in.logical();
  playCount = in.i32();
  enterMovesFocus = in.logical();
  escCloses = in.logical();
  f1OpensHelp = in.logical();
  helpContext = in.i32();
  if (version >= 2) showInTaskbar = in.logical();
  if (version >= 3) {
    moveAnywhere = in.logical();
    shape = in.i32();
  }
  if (version >= 4) alwaysOnTop = in.logical();
  if (version >= 5) keepTitleActive = in.logical();
  if (version >= 6) windowClassName = in.text();
  backPicture = in.bytes();
  icon = in.bytes();
  backMusic = in.bytes();
  caption = in.text();
  helpFile = in.text();
  if (!in.ok()) {
    *this = WindowData();
    return false;
  }
  border = clampValue(kBorder, border);
  pictureMode = clampValue(kPictureMode, pictureMode);
  playCount = clampValue(kPlayCount, playCount);
  position = clampValue(kPosition, position);
  shape = clampValue(kShape, shape);
  return true;
}

std::vector<uint8_t> WindowData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(border);
  out.i32(pictureMode);
  out.u32(backColor);
  out.logical(maxButton);
  out.logical(minButton);
  out.logical(controlBox);
  out.i32(position);
  out.logical(movable);
  out.i32(playCount);
  out.logical(enterMovesFocus);
  out.logical(escCloses);
  out.logical(f1OpensHelp);
  out.i32(helpContext);
  out.logical(showInTaskbar);
  out.logical(moveAnywhere);
  out.i32(shape);
  out.logical(alwaysOnTop);
  out.logical(keepTitleActive);
  out.text(windowClassName);
  out.bytes(backPicture);
  out.bytes(icon);
  out.bytes(backMusic);
  out.text(caption);
  out.text(helpFile);
  return out.take();
}

void WindowData::visitTexts(const TextVisitor& visit) {
  visit(caption, false);
  visit(helpFile, false);
  visit(windowClassName, false);
}

}  // namespace lp
