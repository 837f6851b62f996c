#include "app/reader_settings.h"

#include <cstdint>
#include <string>

#include "app/commands.h"
#include "app/controls.h"
#include "app/number_text.h"
#include "app/reader_globals.h"

namespace reader {
namespace {

constexpr int32_t kDocumentsFolder = 1;
constexpr int32_t kInformationIcon = 0x40;
constexpr int32_t kErrorIcon = 0x10;

const char kSkinSection[] = "皮肤设置";
const char kFontSection[] = "字体设置";
const char kBackgroundSection[] = "颜色背景";

std::string settingsPath() { return cmd::specialFolder(kDocumentsFolder) + "lumenpath.ini"; }

std::string logicalText(bool value) { return cmd::toText(logicalValue(value)); }
std::string integerText(int32_t value) { return cmd::toText(integerValue(value)); }

std::string dialogLogicalText(int32_t property) {
  return logicalText(readInteger(ui::kFontDialog, property) != 0);
}

std::string readSetting(const char* section, const char* key, const std::string& fallback) {
  return cmd::readIni(settingsPath(), section, key, fallback);
}

// A saved whole number, or the fallback when the file holds something else or
// a value out of range (a hand-edited or damaged file must not give a font
// of a million points or an invisible text).
int32_t savedNumber(const std::string& saved, int32_t fallback, int32_t lowest, int32_t highest) {
  const std::string text = cmd::removeAllSpaces(saved);
  if (!isNumberText(text) || text.size() > 9) return fallback;
  const int32_t value = static_cast<int32_t>(cmd::toNumber(text));
  return value < lowest || value > highest ? fallback : value;
}

constexpr int32_t kLargestFontSize = 1638;  // what the font dialog offers at most
constexpr int32_t kWhite = 0xFFFFFF;

}  // namespace

bool parseLogical(const std::string& text) { return cmd::removeAllSpaces(text) == "真"; }

void applySavedSettings() {
  if (!cmd::fileExists(settingsPath())) return;
  FontValue font = startFont();
  font.bold = parseLogical(readSetting(kFontSection, "字体加粗", dialogLogicalText(prop::kDialogBold)));
  font.italic = parseLogical(readSetting(kFontSection, "字体倾斜", dialogLogicalText(prop::kDialogItalic)));
  font.strikeOut =
      parseLogical(readSetting(kFontSection, "字体删除线", dialogLogicalText(prop::kDialogStrikeOut)));
  font.underline =
      parseLogical(readSetting(kFontSection, "字体下划线", dialogLogicalText(prop::kDialogUnderline)));
  font.size = savedNumber(readSetting(kFontSection, "字体大小", ""), readInteger(ui::kFontDialog, prop::kDialogFontSize),
                          1, kLargestFontSize);
  // The saved face is used when there is one; otherwise the starting face stays.
  const std::string face = readSetting(kFontSection, "字体名称", "");
  if (!face.empty()) font.faceName = face.c_str();
  writeFont(ui::kResultBox, prop::kEditFont, font);

  const int32_t textColour = readInteger(ui::kFontDialog, prop::kDialogFontColour);
  writeInteger(ui::kResultBox, prop::kEditTextColour,
               savedNumber(readSetting(kFontSection, "字体颜色", ""), textColour, 0, kWhite));
  const int32_t background = readInteger(ui::kResultBox, prop::kEditBackColour);
  writeInteger(ui::kResultBox, prop::kEditBackColour,
               savedNumber(readSetting(kBackgroundSection, "显示背景", ""), background, 0, kWhite));
}

void chooseFont() {
  FontValue font = startFont();
  if (!cmd::openDialog(ui::kFontDialog)) return;
  const Component& dialog = ui::kFontDialog;
  font.bold = readInteger(dialog, prop::kDialogBold) != 0;
  font.italic = readInteger(dialog, prop::kDialogItalic) != 0;
  font.strikeOut = readInteger(dialog, prop::kDialogStrikeOut) != 0;
  font.underline = readInteger(dialog, prop::kDialogUnderline) != 0;
  font.size = readInteger(dialog, prop::kDialogFontSize);
  const std::string face = readText(dialog, prop::kDialogFontName);
  font.faceName = face.c_str();
  writeFont(ui::kResultBox, prop::kEditFont, font);
  writeInteger(ui::kResultBox, prop::kEditTextColour, readInteger(dialog, prop::kDialogFontColour));
}

void takeBackgroundColour() {
  writeInteger(ui::kResultBox, prop::kEditBackColour, readInteger(ui::kColourPicker, prop::kPickerColour));
}

void saveSettings() {
  const std::string path = settingsPath();
  const Globals& g = globals();
  struct Setting {
    const char* section;
    const char* key;
    std::string value;
  };
  const Setting settings[] = {
      {kSkinSection, "当前皮肤", g.skinName ? g.skinName : ""},
      {kFontSection, "字体加粗", dialogLogicalText(prop::kDialogBold)},
      {kFontSection, "字体倾斜", dialogLogicalText(prop::kDialogItalic)},
      {kFontSection, "字体删除线", dialogLogicalText(prop::kDialogStrikeOut)},
      {kFontSection, "字体下划线", dialogLogicalText(prop::kDialogUnderline)},
      {kFontSection, "字体大小", integerText(readInteger(ui::kFontDialog, prop::kDialogFontSize))},
      {kFontSection, "字体颜色", integerText(readInteger(ui::kResultBox, prop::kEditTextColour))},
      {kFontSection, "字体名称", readText(ui::kFontDialog, prop::kDialogFontName)},
      {kBackgroundSection, "显示背景", integerText(readInteger(ui::kResultBox, prop::kEditBackColour))},
  };
  bool written = true;
  for (const Setting& s : settings) written = cmd::writeIni(path, s.section, s.key, s.value) && written;
  if (written) {
    cmd::infoBox("软件保持设置成功!", kInformationIcon, "提示:");
  } else {
    cmd::infoBox("软件设置未能保存，无法写入设置文件：" + path, kErrorIcon, "提示:");
  }
}

void restoreDefaults() {
  cmd::removeFile(settingsPath());
  cmd::infoBox("软件已恢复到初始化设置，下次打开即可看到效果!", kInformationIcon, "Message");
}

}  // namespace reader
