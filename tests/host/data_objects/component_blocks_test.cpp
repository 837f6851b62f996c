// Property data blocks of every component, built by hand in the stored field
// order: each version reads, later fields keep their defaults, the current
// version writes back byte for byte, short and later blocks fail.
#include <gtest/gtest.h>

#include "block_checks.h"
#include "runtime/components/button_data.h"
#include "runtime/components/color_picker_data.h"
#include "runtime/components/common_dialog_data.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/external_database_data.h"
#include "runtime/components/font_record.h"
#include "runtime/components/label_data.h"
#include "runtime/components/list_box_data.h"
#include "runtime/components/property_stream.h"
#include "runtime/components/window_data.h"
#include "runtime/extended/report_list_data.h"
#include "runtime/extended/transparent_label_data.h"

namespace lp {
namespace {

const std::vector<uint8_t> kPicture = {'B', 'M', 1, 2, 3};
const std::vector<uint8_t> kFont60(60, 0x41);

std::vector<uint8_t> windowBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  out.i32(5);           // Border
  out.i32(3);           // PictureMode
  out.u32(0x123456);    // BackColor
  out.logical(true);    // MaxButton
  out.logical(true);    // MinButton
  out.logical(false);   // ControlBox
  out.i32(3);           // Position
  out.logical(false);   // Movable
  out.i32(2);           // PlayCount
  out.logical(true);    // EnterMovesFocus
  out.logical(false);   // EscCloses
  out.logical(true);    // F1OpensHelp
  out.i32(77);          // HelpContext
  if (version >= 2) out.logical(false);  // ShowInTaskbar
  if (version >= 3) {
    out.logical(true);  // MoveAnywhere
    out.i32(13);        // Shape
  }
  if (version >= 4) out.logical(true);  // AlwaysOnTop
  if (version >= 5) out.logical(true);  // KeepTitleActive
  if (version >= 6) out.text("MyClass");
  out.bytes(kPicture);       // BackPicture
  out.bytes({'I', 'C'});     // Icon
  out.bytes({'R', 'I', 'F'});  // BackMusic
  out.text("caption");
  out.text("help.hlp");
  return out.take();
}

TEST(WindowBlock, EveryVersionReadsAndLaterFieldsKeepDefaults) {
  for (uint32_t version = 0; version <= WindowData::kVersion; ++version) {
    SCOPED_TRACE(version);
    std::vector<uint8_t> block = windowBlock(version);
    WindowData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.border, 5);
    EXPECT_EQ(data.pictureMode, 3);
    EXPECT_EQ(data.backColor, 0x123456u);
    EXPECT_TRUE(data.maxButton);
    EXPECT_FALSE(data.controlBox);
    EXPECT_EQ(data.position, 3);
    EXPECT_FALSE(data.movable);
    EXPECT_EQ(data.playCount, 2);
    EXPECT_FALSE(data.escCloses);
    EXPECT_EQ(data.helpContext, 77);
    EXPECT_EQ(data.backPicture, kPicture);
    EXPECT_EQ(data.backMusic, (std::vector<uint8_t>{'R', 'I', 'F'}));
    EXPECT_EQ(data.caption, "caption");
    EXPECT_EQ(data.helpFile, "help.hlp");
    EXPECT_EQ(data.showInTaskbar, version < 2);
    EXPECT_EQ(data.moveAnywhere, version >= 3);
    EXPECT_EQ(data.shape, version >= 3 ? 13 : 0);
    EXPECT_EQ(data.alwaysOnTop, version >= 4);
    EXPECT_EQ(data.keepTitleActive, version >= 5);
    EXPECT_EQ(data.windowClassName, version >= 6 ? "MyClass" : "");
    if (version == WindowData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
}

TEST(WindowBlock, ShortAndLaterBlocksFail) {
  expectEveryTruncationFails<WindowData>(windowBlock(6));
  expectEveryTruncationFails<WindowData>(windowBlock(0));
  expectLaterVersionFails<WindowData>(windowBlock(6));
}

TEST(WindowBlock, EmptyBlockGivesDefaults) {
  WindowData data;
  data.caption = "old";
  ASSERT_TRUE(data.read(nullptr, 0));
  EXPECT_EQ(data.caption, "");
  EXPECT_EQ(data.border, 2);
  EXPECT_EQ(data.backColor, kClrDefault);
  EXPECT_EQ(data.pictureMode, 1);
  EXPECT_TRUE(data.controlBox);
  EXPECT_EQ(data.position, 1);
  EXPECT_TRUE(data.escCloses);
  EXPECT_TRUE(data.showInTaskbar);
}

TEST(WindowBlock, FailedReadLeavesDefaults) {
  std::vector<uint8_t> block = windowBlock(6);
  WindowData data;
  ASSERT_FALSE(data.read(block.data(), block.size() - 1));
  EXPECT_EQ(data.border, 2);
  EXPECT_EQ(data.caption, "");
}

std::vector<uint8_t> labelBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  out.i32(3);          // TextEffect
  out.i32(12);         // GradientBorderWidth
  out.i32(6);          // Border
  out.u32(0x010101);   // GradientBorderColor1
  out.u32(0x020202);   // GradientBorderColor2
  out.u32(kClrDefault);  // GradientBorderColor3
  out.u32(0x0000FF);   // TextColor
  out.u32(0x00FF00);   // BackColor
  out.i32(2);          // PictureMode
  out.i32(8);          // GradientMode
  out.u32(0x030303);   // GradientColor1
  out.u32(0x040404);   // GradientColor2
  out.u32(0x050505);   // GradientColor3
  out.i32(2);          // HorizontalAlign
  out.i32(0);          // VerticalAlign
  out.logical(true);   // WordWrap
  out.bytes(kFont60);
  out.bytes(kPicture);
  out.text("label");
  if (version >= 2) {
    out.text("source");
    out.text("column");
  }
  return out.take();
}

TEST(LabelBlock, EveryVersionReadsAndCurrentWritesBack) {
  for (uint32_t version = 0; version <= LabelData::kVersion; ++version) {
    SCOPED_TRACE(version);
    std::vector<uint8_t> block = labelBlock(version);
    LabelData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.textEffect, 3);
    EXPECT_EQ(data.gradientBorderWidth, 12);
    EXPECT_EQ(data.border, 6);
    EXPECT_EQ(data.gradientBorderColor3, kClrDefault);
    EXPECT_EQ(data.textColor, 0x0000FFu);
    EXPECT_EQ(data.backColor, 0x00FF00u);
    EXPECT_EQ(data.gradientMode, 8);
    EXPECT_EQ(data.gradientColor3, 0x050505u);
    EXPECT_EQ(data.horizontalAlign, 2);
    EXPECT_EQ(data.verticalAlign, 0);
    EXPECT_TRUE(data.wordWrap);
    EXPECT_EQ(data.font, kFont60);
    EXPECT_EQ(data.backPicture, kPicture);
    EXPECT_EQ(data.caption, "label");
    EXPECT_EQ(data.dataSource, version >= 2 ? "source" : "");
    EXPECT_EQ(data.dataColumn, version >= 2 ? "column" : "");
    if (version == LabelData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
  expectEveryTruncationFails<LabelData>(labelBlock(2));
  expectLaterVersionFails<LabelData>(labelBlock(2));
}

TEST(LabelBlock, Defaults) {
  LabelData data;
  std::vector<uint8_t> block = defaultBlock<LabelData>();
  ASSERT_TRUE(data.read(block.data(), block.size()));
  EXPECT_EQ(data.caption, "\xB1\xEA\xC7\xA9");  // 标签
  EXPECT_EQ(data.gradientBorderWidth, 8);
  EXPECT_EQ(data.gradientBorderColor1, 0x808080u);
  EXPECT_EQ(data.gradientColor2, 0xFFFFFFu);
  EXPECT_EQ(data.backColor, kClrDefault);
  EXPECT_EQ(data.pictureMode, 1);
  EXPECT_EQ(data.verticalAlign, 1);
}

std::vector<uint8_t> buttonBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  out.i32(1);  // ButtonType
  out.i32(2);  // HorizontalAlign
  out.i32(0);  // VerticalAlign
  out.bytes(kPicture);
  out.bytes(kFont60);
  out.text("&Save");
  return out.take();
}

TEST(ButtonBlock, BothVersionsReadAndCurrentWritesBack) {
  for (uint32_t version = 0; version <= ButtonData::kVersion; ++version) {
    std::vector<uint8_t> block = buttonBlock(version);
    ButtonData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.buttonType, ButtonData::kDefaultButton);
    EXPECT_EQ(data.horizontalAlign, 2);
    EXPECT_EQ(data.verticalAlign, 0);
    EXPECT_EQ(data.picture, kPicture);
    EXPECT_EQ(data.font, kFont60);
    EXPECT_EQ(data.caption, "&Save");
  }
  std::vector<uint8_t> block = buttonBlock(1);
  ButtonData data;
  ASSERT_TRUE(data.read(block.data(), block.size()));
  EXPECT_EQ(data.write(), block);
  expectEveryTruncationFails<ButtonData>(block);
  expectLaterVersionFails<ButtonData>(block);
  EXPECT_EQ(ButtonData().caption, "\xB0\xB4\xC5\xA5");  // 按钮
}

std::vector<uint8_t> editBoxBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  out.i32(5);           // Border
  out.u32(0xFFFFFF);    // TextColor
  out.u32(0);           // BackColor
  out.logical(false);   // HideSelection
  out.i32(4);           // MaxLength
  out.logical(true);    // MultiLine
  out.i32(2);           // ScrollBars
  out.i32(1);           // Alignment
  out.i32(3);           // InputMode
  out.u16('#');         // PasswordChar
  out.i32(2);           // CaseConversion
  out.i32(1);           // Adjuster
  out.i32(-10);         // AdjusterMin
  out.i32(10);          // AdjusterMax
  out.i32(6);           // SelStart
  out.i32(7);           // SelLength
  out.bytes(kFont60);
  out.text("content");
  if (version >= 2) {
    out.text("source");
    out.text("column");
  }
  return out.take();
}

TEST(EditBoxBlock, EveryVersionReadsAndCurrentWritesBack) {
  for (uint32_t version = 0; version <= EditBoxData::kVersion; ++version) {
    SCOPED_TRACE(version);
    std::vector<uint8_t> block = editBoxBlock(version);
    EditBoxData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.border, 5);
    EXPECT_EQ(data.textColor, 0xFFFFFFu);
    EXPECT_EQ(data.backColor, 0u);
    EXPECT_FALSE(data.hideSelection);
    EXPECT_EQ(data.maxLength, 4);
    EXPECT_TRUE(data.multiLine);
    EXPECT_EQ(data.scrollBars, 2);
    EXPECT_EQ(data.alignment, 1);
    EXPECT_EQ(data.inputMode, EditBoxData::kIntegerTextInput);
    EXPECT_EQ(data.passwordChar, '#');
    EXPECT_EQ(data.caseConversion, 2);
    EXPECT_EQ(data.adjuster, EditBoxData::kAutomaticAdjuster);
    EXPECT_EQ(data.adjusterMin, -10);
    EXPECT_EQ(data.adjusterMax, 10);
    EXPECT_EQ(data.selStart, 6);
    EXPECT_EQ(data.selLength, 7);
    EXPECT_EQ(data.content, "content");
    EXPECT_EQ(data.dataColumn, version >= 2 ? "column" : "");
    if (version == EditBoxData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
  expectEveryTruncationFails<EditBoxData>(editBoxBlock(2));
  expectLaterVersionFails<EditBoxData>(editBoxBlock(2));
}

TEST(EditBoxBlock, Defaults) {
  EditBoxData data;
  EXPECT_EQ(data.border, 1);
  EXPECT_EQ(data.backColor, 0xFFFFFFu);
  EXPECT_TRUE(data.hideSelection);
  EXPECT_EQ(data.passwordChar, '*');
  EXPECT_EQ(data.adjusterMax, 100);
}

std::vector<uint8_t> listBoxBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  out.i32(3);          // Border
  out.logical(true);   // Sorted
  out.logical(true);   // MultiColumn
  out.i32(4);          // RowSpacing
  out.u32(0x0000FF);   // TextColor
  out.u32(0x00FF00);   // BackColor
  out.logical(true);   // MultiSelect
  out.i32(1);          // CurrentIndex
  out.bytes(kFont60);
  out.bytes({5, 0, 0, 0, 6, 0, 0, 0});  // ItemData
  out.u16(2);
  out.text("\xB4\xB4\xCA\xC0\xBC\xC7");  // 创世记
  out.text("b");
  if (version >= 2) {
    out.text("source");
    out.text("column");
  }
  if (version >= 3) out.logical(true);
  return out.take();
}

TEST(ListBoxBlock, EveryVersionReadsAndCurrentWritesBack) {
  for (uint32_t version = 0; version <= ListBoxData::kVersion; ++version) {
    SCOPED_TRACE(version);
    std::vector<uint8_t> block = listBoxBlock(version);
    ListBoxData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.border, 3);
    EXPECT_TRUE(data.sorted);
    EXPECT_TRUE(data.multiColumn);
    EXPECT_EQ(data.rowSpacing, 4);
    EXPECT_EQ(data.textColor, 0x0000FFu);
    EXPECT_EQ(data.backColor, 0x00FF00u);
    EXPECT_TRUE(data.multiSelect);
    EXPECT_EQ(data.currentIndex, 1);
    EXPECT_EQ(data.font, kFont60);
    EXPECT_EQ(data.items, (std::vector<std::string>{"\xB4\xB4\xCA\xC0\xBC\xC7", "b"}));
    EXPECT_EQ(data.itemValue(1), 6u);
    EXPECT_EQ(data.dataSource, version >= 2 ? "source" : "");
    EXPECT_EQ(data.bindingOption, version >= 3);
    if (version == ListBoxData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
  expectEveryTruncationFails<ListBoxData>(listBoxBlock(3));
  expectLaterVersionFails<ListBoxData>(listBoxBlock(3));
  ListBoxData defaults;
  EXPECT_EQ(defaults.border, 1);
  EXPECT_EQ(defaults.rowSpacing, 1);
  EXPECT_EQ(defaults.currentIndex, -1);
  EXPECT_EQ(defaults.backColor, 0xFFFFFFu);
}

std::vector<uint8_t> commonDialogBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  out.i32(2);          // DialogType
  out.i32(1);          // FilterIndex
  out.logical(true);   // CreatePrompt
  out.logical(false);  // FileMustExist
  out.logical(false);  // OverwritePrompt
  out.logical(false);  // PathMustExist
  out.logical(true);   // NoChangeDir
  out.u32(0x00FF00);   // FontColor
  out.logical(true);   // Bold
  out.logical(false);  // Italic
  out.logical(true);   // StrikeOut
  out.logical(false);  // Underline
  out.i32(12);         // FontSize
  out.i32(4);          // HelpCommand
  out.i32(99);         // HelpContext
  for (const char* text : {"title", "file", "a|*.a|", "dir", "ext", "font", "help"})
    out.text(text);
  return out.take();
}

TEST(CommonDialogBlock, BothVersionsReadAndCurrentWritesBack) {
  for (uint32_t version = 0; version <= CommonDialogData::kVersion; ++version) {
    std::vector<uint8_t> block = commonDialogBlock(version);
    CommonDialogData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.dialogType, CommonDialogData::kChooseFont);
    EXPECT_EQ(data.filterIndex, 1);
    EXPECT_TRUE(data.createPrompt);
    EXPECT_FALSE(data.fileMustExist);
    EXPECT_TRUE(data.noChangeDir);
    EXPECT_EQ(data.fontColor, 0x00FF00u);
    EXPECT_TRUE(data.bold);
    EXPECT_TRUE(data.strikeOut);
    EXPECT_EQ(data.fontSize, 12);
    EXPECT_EQ(data.helpCommand, 4);
    EXPECT_EQ(data.helpContext, 99);
    EXPECT_EQ(data.title, "title");
    EXPECT_EQ(data.filter, "a|*.a|");
    EXPECT_EQ(data.defaultExt, "ext");
    EXPECT_EQ(data.fontName, "font");
    EXPECT_EQ(data.helpFile, "help");
    if (version == CommonDialogData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
  expectEveryTruncationFails<CommonDialogData>(commonDialogBlock(1));
  expectLaterVersionFails<CommonDialogData>(commonDialogBlock(1));
  CommonDialogData defaults;
  EXPECT_TRUE(defaults.fileMustExist && defaults.overwritePrompt && defaults.pathMustExist);
}

TEST(ColorPickerBlock, ReadsBothVersionsAndEmptyBlockKeepsDefaults) {
  for (uint32_t version = 0; version <= ColorPickerData::kVersion; ++version) {
    PropertyWriter out;
    out.u32(version);
    out.u32(kClrDefault);
    out.logical(true);
    std::vector<uint8_t> block = out.take();
    ColorPickerData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.color, kClrDefault);
    EXPECT_TRUE(data.transparent);
    if (version == ColorPickerData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
    expectEveryTruncationFails<ColorPickerData>(block);
    expectLaterVersionFails<ColorPickerData>(block);
  }
  ColorPickerData data;
  ASSERT_TRUE(data.read(nullptr, 0));
  EXPECT_EQ(data.color, 0u);
  EXPECT_FALSE(data.transparent);
}

TEST(ColorPickerBlock, TransparentColourNeedsTheTransparentChoice) {
  ColorPickerData data;
  data.color = kClrDefault;
  EXPECT_EQ(data.initialColor(), 0u);
  data.transparent = true;
  EXPECT_EQ(data.initialColor(), kClrDefault);
  data.color = 0x123456;
  EXPECT_EQ(data.initialColor(), 0x123456u);
}

TEST(ExternalDatabaseBlock, StoresNothing) {
  const uint8_t junk[] = {9, 9, 9};
  ExternalDatabaseData data;
  EXPECT_TRUE(data.read(junk, sizeof junk));
  EXPECT_TRUE(data.write().empty());
}

std::vector<uint8_t> reportListBlock(uint32_t version) {
  PropertyWriter out;
  out.u32(version);
  // Border, colours, ViewType, IconAlign, then the logicals in stored order
  // with SortOrder, CurrentRow in their places.
  const int32_t values[] = {3, 0, 0xFFFFFF, 0xFFFFFF, 3, 1, 0, 1, 1, 0, 1, 1,
                            1, 1, 0, 1, 0, 1, 2, 1, 0, 1, 5, 1};
  for (int32_t value : values) out.i32(value);
  out.bytes(kFont60);
  out.bytes({'H'});     // HeaderImages
  out.bytes({'I'});     // Images
  out.bytes({0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 50, 0, 0, 0, 'c', 0});  // Columns
  out.bytes({'S'});     // StateImages
  out.bytes({'R'});     // InitialRows
  return out.take();
}

TEST(ReportListBlock, BothVersionsReadAndCurrentWritesBack) {
  for (uint32_t version = 0; version <= ReportListData::kVersion; ++version) {
    std::vector<uint8_t> block = reportListBlock(version);
    ReportListData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.border, 3);
    EXPECT_EQ(data.textBackColor, 0xFFFFFFu);
    EXPECT_EQ(data.viewType, ReportListData::kReportView);
    EXPECT_EQ(data.iconAlign, 1);
    EXPECT_FALSE(data.autoArrange);
    EXPECT_TRUE(data.labelWrap);
    EXPECT_TRUE(data.hideHeader);
    EXPECT_FALSE(data.sortableHeader);
    EXPECT_TRUE(data.fullRowSelect);
    EXPECT_TRUE(data.hotTrack);
    EXPECT_FALSE(data.handCursor);
    EXPECT_FALSE(data.underlineHot);
    EXPECT_TRUE(data.editLabels);
    EXPECT_EQ(data.sortOrder, 2);
    EXPECT_TRUE(data.checkBoxes);
    EXPECT_FALSE(data.flatScrollBars);
    EXPECT_TRUE(data.singleSelect);
    EXPECT_EQ(data.currentRow, 5);
    EXPECT_TRUE(data.showSelectionAlways);
    EXPECT_EQ(data.headerImages, (std::vector<uint8_t>{'H'}));
    EXPECT_EQ(data.images, (std::vector<uint8_t>{'I'}));
    EXPECT_EQ(data.columns.size(), 15u);
    EXPECT_EQ(data.stateImages, (std::vector<uint8_t>{'S'}));
    EXPECT_EQ(data.initialRows, (std::vector<uint8_t>{'R'}));
    if (version == ReportListData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
  expectEveryTruncationFails<ReportListData>(reportListBlock(1));
  expectLaterVersionFails<ReportListData>(reportListBlock(1));
}

TEST(ReportListBlock, Defaults) {
  ReportListData data;
  EXPECT_EQ(data.border, 1);
  EXPECT_EQ(data.backColor, 0xFFFFFFu);
  EXPECT_TRUE(data.autoArrange && data.labelWrap && data.sortableHeader && data.handCursor &&
              data.underlineCold && data.underlineHot && data.singleSelect);
  EXPECT_FALSE(data.hotTrack || data.gridLines || data.fullRowSelect);
  EXPECT_EQ(data.currentRow, -1);
}

std::vector<uint8_t> transparentLabelBlock(uint32_t version, const std::string& caption) {
  PropertyWriter out;
  out.u32(version);
  out.i32(1);         // TextEffect
  out.u32(0x0000FF);  // TextColor
  out.i32(2);         // HorizontalAlign
  out.i32(2);         // VerticalAlign
  out.logical(true);  // WordWrap
  out.bytes({});      // Font: the default GUI font
  out.text(caption);
  return out.take();
}

TEST(TransparentLabelBlock, BothVersionsReadAndCurrentWritesBack) {
  const std::string kBook = "\xB8\xA3\xD2\xF4\xA3\xBA";  // 福音：
  for (uint32_t version = 0; version <= TransparentLabelData::kVersion; ++version) {
    std::vector<uint8_t> block = transparentLabelBlock(version, kBook);
    TransparentLabelData data;
    ASSERT_TRUE(data.read(block.data(), block.size()));
    EXPECT_EQ(data.textEffect, 1);
    EXPECT_EQ(data.textColor, 0x0000FFu);
    EXPECT_EQ(data.horizontalAlign, 2);
    EXPECT_EQ(data.verticalAlign, 2);
    EXPECT_TRUE(data.wordWrap);
    EXPECT_TRUE(data.font.empty());
    EXPECT_EQ(data.caption, kBook);
    if (version == TransparentLabelData::kVersion) {
      EXPECT_EQ(data.write(), block);
    }
  }
  expectEveryTruncationFails<TransparentLabelData>(transparentLabelBlock(1, kBook));
  expectLaterVersionFails<TransparentLabelData>(transparentLabelBlock(1, kBook));
  TransparentLabelData defaults;
  EXPECT_EQ(defaults.caption, "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9");  // 透明标签
  EXPECT_EQ(defaults.verticalAlign, 1);
}

// Converting texts visits every stored text, flags only the face name, and
// stores what the visitor wrote.
TEST(StoredTexts, ConversionRewritesEveryStoredText) {
  std::vector<uint8_t> block = labelBlock(2);
  FontRecord font;
  setFaceName(font, "Face");
  LabelData data;
  ASSERT_TRUE(data.read(block.data(), block.size()));
  data.font = encodeFont(font);
  block = data.write();

  std::vector<std::string> seen;
  std::vector<uint8_t> converted;
  ASSERT_TRUE(convertBlockTexts<LabelData>(
      block.data(), block.size(),
      [&](std::string& text, bool faceName) {
        seen.push_back(text + (faceName ? "*" : ""));
        text += "!";
      },
      converted));
  EXPECT_EQ(seen, (std::vector<std::string>{"label", "Face*", "source", "column"}));
  ASSERT_TRUE(data.read(converted.data(), converted.size()));
  EXPECT_EQ(data.caption, "label!");
  EXPECT_EQ(data.dataColumn, "column!");
  ASSERT_TRUE(decodeFont(data.font, font));
  EXPECT_EQ(faceName(font), "Face!");

  std::vector<uint8_t> untouched = {1};
  EXPECT_FALSE(convertBlockTexts<LabelData>(block.data(), 3, [](std::string&, bool) {},
                                            untouched));
  EXPECT_EQ(untouched, std::vector<uint8_t>{1});
}

TEST(StoredTexts, ListBoxAndDialogVisitAllTheirTexts) {
  std::vector<uint8_t> block = listBoxBlock(3);
  ListBoxData list;
  ASSERT_TRUE(list.read(block.data(), block.size()));
  std::vector<std::string> seen;
  list.visitTexts([&](std::string& text, bool faceName) { seen.push_back(faceName ? "*" : text); });
  EXPECT_EQ(seen, (std::vector<std::string>{"\xB4\xB4\xCA\xC0\xBC\xC7", "b", "*", "source",
                                            "column"}));

  block = commonDialogBlock(1);
  CommonDialogData dialog;
  ASSERT_TRUE(dialog.read(block.data(), block.size()));
  seen.clear();
  dialog.visitTexts([&](std::string& text, bool) { seen.push_back(text); });
  EXPECT_EQ(seen, (std::vector<std::string>{"title", "file", "a|*.a|", "dir", "ext", "font",
                                            "help"}));
}

}  // namespace
}  // namespace lp
