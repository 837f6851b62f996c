// The reader's two window templates as its sources describe them: every
// control of the main window with its type and geometry, the stored values
// of their property blocks, the menus and every event binding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_templates.h"
#include "runtime/components/button_data.h"
#include "runtime/components/color_picker_data.h"
#include "runtime/components/common_dialog_data.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/font_record.h"
#include "runtime/components/label_data.h"
#include "runtime/components/list_box_data.h"
#include "runtime/components/window_data.h"
#include "runtime/extended/report_list_data.h"
#include "runtime/extended/report_list_records.h"
#include "runtime/extended/transparent_label_data.h"
#include "tools/tplc/gbk_text.h"

namespace {

std::string gbk(const std::string& utf8) {
  std::string out;
  EXPECT_TRUE(tplc::utf8ToGbk(utf8, out)) << utf8;
  return out;
}

constexpr uint32_t kTransLabel = 0x00020005, kEditBox = 0x00010005, kLabel = 0x0001000A, kListBox = 0x0001000F,
                   kListView = 0x00020004, kODBCDB = 0x0001002E, kButton = 0x0001000B, kColorPicker = 0x0001001C,
                   kCommonDlg = 0x0001001F, kWindow = 0x00010001, kMenu = 0x00010003;

struct Control {
  const char* name;
  uint32_t type;
  int32_t left, top, width, height;
};

// The main window's controls in screen order.
const Control kControls[25] = {
    {"透明标签_福音", kTransLabel, 8, 8, 30, 20},        {"编辑框_福音", kEditBox, 48, 8, 104, 20},
    {"透明标签_章", kTransLabel, 176, 8, 20, 20},        {"编辑框_章", kEditBox, 200, 8, 32, 20},
    {"透明标签_节", kTransLabel, 256, 8, 20, 20},        {"编辑框_节", kEditBox, 280, 8, 32, 20},
    {"标签", kLabel, 329, 10, 295, 16},                  {"透明标签_到章", kTransLabel, 640, 8, 20, 20},
    {"编辑框_到章", kEditBox, 672, 8, 32, 20},           {"透明标签_到节", kTransLabel, 718, 8, 20, 20},
    {"编辑框_到节", kEditBox, 744, 8, 32, 20},           {"列表框_福音列表", kListBox, 48, 32, 104, 144},
    {"超级列表框", kListView, 175, 32, 601, 145},        {"外部数据库", kODBCDB, 16, 149, 30, 30},
    {"透明标签_模糊搜索", kTransLabel, 16, 189, 88, 20}, {"编辑框_模糊经文", kEditBox, 106, 189, 176, 20},
    {"按钮_模糊搜索", kButton, 295, 189, 64, 20},        {"按钮_设置字体", kButton, 374, 189, 61, 20},
    {"颜色选择器_背景", kColorPicker, 503, 189, 111, 20}, {"按钮_显示结果", kButton, 639, 189, 137, 20},
    {"编辑框_搜索后", kEditBox, 16, 224, 760, 208},      {"通用对话框_字体", kCommonDlg, 456, 248, 24, 32},
    {"标签_经文预览", kLabel, 17, 441, 536, 40},         {"按钮_复制", kButton, 570, 441, 85, 40},
    {"按钮_清空", kButton, 688, 441, 85, 40},
};

class ReaderTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = readerTemplates();
    ASSERT_EQ(data_.windows.size(), 2u);
  }
  const lp::WindowTemplate& main() const { return data_.windows[0]; }
  const lp::WindowTemplate& reading() const { return data_.windows[1]; }

  const lp::ComponentUnit& unit(const lp::WindowTemplate& window, const std::string& name) const {
    for (const lp::UnitRecord& record : window.units)
      if (!record.isMenu && record.component.head.name == gbk(name)) return record.component;
    ADD_FAILURE() << "no unit " << name;
    return window.units[0].component;
  }
  const lp::ComponentUnit& unit(const std::string& name) const { return unit(main(), name); }

  template <class Data>
  Data block(const lp::ComponentUnit& unit) const {
    Data data;
    EXPECT_TRUE(data.read(unit.properties.data(), unit.properties.size()));
    return data;
  }

  lp::TemplateData data_;
};

void expectSongTi9(const std::vector<uint8_t>& buffer) {
  lp::FontRecord font;
  ASSERT_TRUE(lp::decodeFont(buffer, font));
  EXPECT_EQ(font.height, -12);
  EXPECT_EQ(font.weight, 400);
  EXPECT_EQ(font.charSet, 134);
  EXPECT_EQ(font.outPrecision, 3);
  EXPECT_EQ(font.clipPrecision, 2);
  EXPECT_EQ(font.quality, 1);
  EXPECT_EQ(font.pitchAndFamily, 2);
  EXPECT_EQ(lp::faceName(font), gbk("宋体"));
}

TEST_F(ReaderTemplates, MainWindowHoldsTheControlsInScreenOrderThenTheMenuItems) {
  const lp::WindowTemplate& window = main();
  EXPECT_EQ(window.secondWord, 0x19010025);
  ASSERT_EQ(window.units.size(), 1u + 25u + 13u);
  const lp::UnitRecord& own = window.units[0];
  EXPECT_EQ(own.id, 0x06010000u);
  EXPECT_EQ(own.component.head.typeCode, kWindow);
  EXPECT_EQ(own.component.head.name, "");
  EXPECT_EQ(std::vector<int32_t>({own.component.left, own.component.top, own.component.width, own.component.height}),
            std::vector<int32_t>({50, 50, 800, 550}));
  for (size_t i = 0; i < 25; ++i) {
    const lp::UnitRecord& record = window.units[1 + i];
    const Control& expected = kControls[i];
    SCOPED_TRACE(expected.name);
    ASSERT_FALSE(record.isMenu);
    EXPECT_EQ(record.id, 0x16010CABu + i);
    EXPECT_EQ(record.component.head.name, gbk(expected.name));
    EXPECT_EQ(record.component.head.typeCode, expected.type);
    EXPECT_EQ(record.component.left, expected.left);
    EXPECT_EQ(record.component.top, expected.top);
    EXPECT_EQ(record.component.width, expected.width);
    EXPECT_EQ(record.component.height, expected.height);
    EXPECT_EQ(record.component.parent, 0u);
    EXPECT_TRUE(record.component.state & lp::kStateVisible);
    EXPECT_EQ(record.component.cursorBlock, std::vector<uint8_t>({0, 0, 0, 0}));
  }
  for (size_t i = 26; i < window.units.size(); ++i) {
    EXPECT_TRUE(window.units[i].isMenu);
    EXPECT_EQ(window.units[i].menu.head.typeCode, kMenu);
  }
}

TEST_F(ReaderTemplates, WindowPropertiesOfBothWindows) {
  lp::WindowData mainWindow = block<lp::WindowData>(main().units[0].component);
  EXPECT_EQ(mainWindow.border, 5);
  EXPECT_TRUE(mainWindow.maxButton);
  EXPECT_TRUE(mainWindow.minButton);
  EXPECT_TRUE(mainWindow.controlBox);
  EXPECT_EQ(mainWindow.position, 1);

  const lp::WindowTemplate& window = reading();
  EXPECT_EQ(window.id, 0x52010E81u);
  EXPECT_EQ(window.secondWord, 0x19010E83);
  ASSERT_EQ(window.units.size(), 2u);
  const lp::ComponentUnit& own = window.units[0].component;
  EXPECT_EQ(window.units[0].id, 0x06010E80u);
  EXPECT_EQ(std::vector<int32_t>({own.left, own.top, own.width, own.height}),
            std::vector<int32_t>({50, 50, 631, 389}));
  lp::WindowData readingWindow = block<lp::WindowData>(own);
  EXPECT_EQ(readingWindow.border, 0);
  EXPECT_FALSE(readingWindow.maxButton);
  EXPECT_FALSE(readingWindow.minButton);
  EXPECT_TRUE(readingWindow.controlBox);
  EXPECT_EQ(readingWindow.position, 3);

  const lp::ComponentUnit& box = unit(window, "编辑框_全屏显示");
  EXPECT_EQ(box.head.typeCode, kEditBox);
  EXPECT_EQ(std::vector<int32_t>({box.left, box.top, box.width, box.height}), std::vector<int32_t>({0, 0, 592, 360}));
  lp::EditBoxData edit = block<lp::EditBoxData>(box);
  EXPECT_TRUE(edit.multiLine);
  EXPECT_EQ(edit.scrollBars, 2);
  EXPECT_EQ(edit.border, 1);
  EXPECT_EQ(edit.textColor, 0xFFFFFFu);
  EXPECT_EQ(edit.backColor, 0u);
}

TEST_F(ReaderTemplates, EditBoxes) {
  for (const char* name : {"编辑框_章", "编辑框_节", "编辑框_到章", "编辑框_到节"}) {
    lp::EditBoxData box = block<lp::EditBoxData>(unit(name));
    EXPECT_EQ(box.inputMode, lp::EditBoxData::kIntegerTextInput) << name;
    EXPECT_EQ(box.maxLength, 4) << name;
  }
  for (const char* name : {"编辑框_福音", "编辑框_模糊经文"}) {
    lp::EditBoxData box = block<lp::EditBoxData>(unit(name));
    EXPECT_EQ(box.inputMode, lp::EditBoxData::kNormalInput) << name;
    EXPECT_EQ(box.maxLength, 0) << name;
    EXPECT_FALSE(box.multiLine) << name;
  }
  lp::EditBoxData result = block<lp::EditBoxData>(unit("编辑框_搜索后"));
  EXPECT_TRUE(result.multiLine);
  EXPECT_EQ(result.scrollBars, 2);
  EXPECT_EQ(result.textColor, 0xFFFFFFu);
  EXPECT_EQ(result.backColor, 0u);
  EXPECT_EQ(result.content, "");
  expectSongTi9(result.font);
}

TEST_F(ReaderTemplates, BookListHoldsTheSixtySixBooksUnsortedWithoutSelection) {
  lp::ListBoxData list = block<lp::ListBoxData>(unit("列表框_福音列表"));
  ASSERT_EQ(list.items.size(), 66u);
  EXPECT_EQ(list.items[0], gbk("创世记"));
  EXPECT_EQ(list.items[8], gbk("撒母耳记上"));
  EXPECT_EQ(list.items[39], gbk("马太福音"));
  EXPECT_EQ(list.items[65], gbk("启示录"));
  EXPECT_FALSE(list.sorted);
  EXPECT_EQ(list.currentIndex, -1);
  EXPECT_TRUE(list.itemData.empty());
}

TEST_F(ReaderTemplates, ReportListStoredValues) {
  lp::ReportListData list = block<lp::ReportListData>(unit("超级列表框"));
  EXPECT_EQ(list.border, 3);
  EXPECT_EQ(list.textColor, 0u);
  EXPECT_EQ(list.textBackColor, 0xFFFFFFu);
  EXPECT_EQ(list.backColor, 0xFFFFFFu);
  EXPECT_EQ(list.viewType, lp::ReportListData::kReportView);
  EXPECT_EQ(list.iconAlign, 0);
  EXPECT_TRUE(list.autoArrange && list.labelWrap && list.sortableHeader && list.fullRowSelect && list.gridLines);
  EXPECT_TRUE(list.hotTrack && list.handCursor && list.underlineCold && list.underlineHot);
  EXPECT_FALSE(list.hideHeader || list.headerDragDrop || list.editLabels || list.checkBoxes || list.flatScrollBars);
  EXPECT_FALSE(list.singleSelect || list.showSelectionAlways);
  EXPECT_EQ(list.sortOrder, 0);
  EXPECT_EQ(list.currentRow, -1);
  expectSongTi9(list.font);
  std::vector<lp::ReportColumn> columns;
  ASSERT_TRUE(lp::parseColumns(list.columns, columns));
  ASSERT_EQ(columns.size(), 4u);
  const char* headings[4] = {"福音卷书", "章", "节", "对应经文"};
  const int32_t widths[4] = {120, 70, 70, 295};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(columns[i].heading, gbk(headings[i]));
    EXPECT_EQ(columns[i].width, widths[i]);
    EXPECT_EQ(columns[i].alignment, 0);
    EXPECT_EQ(columns[i].image, -1);
    EXPECT_EQ(columns[i].imageOnRight, 0);
  }
  EXPECT_TRUE(list.headerImages.empty() && list.images.empty() && list.stateImages.empty());
  EXPECT_TRUE(list.initialRows.empty());
}

TEST_F(ReaderTemplates, LabelsButtonsAndInvisibleComponents) {
  const char* transparent[6][2] = {{"透明标签_福音", "福音："}, {"透明标签_章", "章："},
                                   {"透明标签_节", "节："},     {"透明标签_到章", "章："},
                                   {"透明标签_到节", "节："},   {"透明标签_模糊搜索", "经文模糊搜索："}};
  for (auto& label : transparent) {
    lp::TransparentLabelData data = block<lp::TransparentLabelData>(unit(label[0]));
    EXPECT_EQ(data.caption, gbk(label[1]));
    EXPECT_TRUE(data.font.empty());
    EXPECT_EQ(data.textColor, 0u);
    EXPECT_EQ(data.horizontalAlign, 0);
    EXPECT_FALSE(data.wordWrap);
    EXPECT_EQ(data.verticalAlign, 1);
  }
  std::string rule;
  for (int i = 0; i < 26; ++i) rule += "━";
  EXPECT_EQ(block<lp::LabelData>(unit("标签")).caption, gbk(rule));
  EXPECT_EQ(block<lp::LabelData>(unit("标签_经文预览")).caption, gbk("经文预览："));
  const char* buttons[5][2] = {{"按钮_模糊搜索", "模糊搜索"}, {"按钮_设置字体", "设置字体"},
                               {"按钮_显示结果", "将结果全部显示"}, {"按钮_复制", "复制结果"},
                               {"按钮_清空", "全部清空"}};
  for (auto& button : buttons) EXPECT_EQ(block<lp::ButtonData>(unit(button[0])).caption, gbk(button[1]));

  // The colour picker stores an empty block, the database component nothing.
  EXPECT_TRUE(unit("颜色选择器_背景").properties.empty());
  EXPECT_TRUE(unit("外部数据库").properties.empty());
  lp::CommonDialogData dialog = block<lp::CommonDialogData>(unit("通用对话框_字体"));
  EXPECT_EQ(dialog.dialogType, lp::CommonDialogData::kChooseFont);
  EXPECT_EQ(dialog.fontName, gbk("宋体"));
  EXPECT_EQ(dialog.fontSize, 9);
}

TEST_F(ReaderTemplates, MenusInOrderWithTwoItemsSharingCtrlQ) {
  struct Item {
    const char* caption;
    int32_t level, hotKey;
    const char* handler;  // null: none
  };
  const Item items[13] = {
      {"软件设置(F1)", 0, 0, nullptr},       {"保存设置", 1, 19, "onSaveSettingsChosen"},
      {"还原软件", 1, 0, "onRestoreDefaultsChosen"}, {"-", 1, 0, nullptr},
      {"全屏模式", 1, 0, "onFullScreenModeChosen"},  {"普通模式", 1, 0, "onNormalModeChosen"},
      {"-", 1, 0, nullptr},                   {"全屏显示章节部分", 1, 0, "onReadingWindowChosen"},
      {"-", 1, 0, nullptr},                   {"退出软件", 1, 17, "onExitChosen"},
      {"软件版权(F2)", 0, 0, nullptr},       {"商业版权", 1, 17, "onRightsChosen"},
      {"软件最近更新动向", 1, 0, "onUpdatesChosen"},
  };
  const tplc::HandlerList handlers = readerHandlers();
  for (size_t i = 0; i < 13; ++i) {
    const lp::UnitRecord& record = main().units[26 + i];
    SCOPED_TRACE(items[i].caption);
    EXPECT_EQ(record.id, 0x26010C16u + i);
    EXPECT_EQ(record.menu.caption, gbk(items[i].caption));
    EXPECT_EQ(record.menu.level, items[i].level);
    EXPECT_EQ(record.menu.hotKey, items[i].hotKey);
    EXPECT_EQ(record.menu.flags, 0u);
    EXPECT_EQ(record.menu.handlerOffset, items[i].handler ? handlers.offsetOf(items[i].handler) : -1);
  }
}

TEST_F(ReaderTemplates, EveryEventOfTheReaderIsBoundToItsHandler) {
  struct Binding {
    int window;         // 0 main, 1 reading
    const char* unit;   // null: the window's own unit
    int32_t event;
    const char* handler;
  };
  const Binding bindings[] = {
      {0, nullptr, 0, "onMainWindowCreated"},
      {0, nullptr, 4, "onMainWindowResized"},
      {0, nullptr, 2, "onMainWindowDestroyed"},
      {0, "编辑框_福音", 0, "onBookBoxChanged"},
      {0, "列表框_福音列表", 1, "onBookListDoubleClicked"},
      {0, "编辑框_章", -9, "onChapterBoxKeyDown"},
      {0, "编辑框_节", -9, "onVerseBoxKeyDown"},
      {0, "编辑框_到章", -9, "onLastChapterBoxKeyDown"},
      {0, "编辑框_到节", -9, "onLastVerseBoxKeyDown"},
      {0, "编辑框_模糊经文", -9, "onSearchBoxKeyDown"},
      {0, "按钮_模糊搜索", 0, "onSearchButtonClicked"},
      {0, "超级列表框", 3, "onResultListHotTrack"},
      {0, "超级列表框", -3, "onResultListDoubleClicked"},
      {0, "按钮_显示结果", 0, "onShowAllButtonClicked"},
      {0, "按钮_设置字体", 0, "onFontButtonClicked"},
      {0, "颜色选择器_背景", 0, "onBackgroundColourChosen"},
      {0, "编辑框_搜索后", -3, "onResultBoxDoubleClicked"},
      {0, "按钮_复制", 0, "onCopyButtonClicked"},
      {0, "按钮_清空", 0, "onClearButtonClicked"},
      {1, nullptr, 4, "onReadingWindowResized"},
      {1, "编辑框_全屏显示", -3, "onReadingBoxDoubleClicked"},
  };
  const tplc::HandlerList handlers = readerHandlers();
  EXPECT_EQ(handlers.offsetOf("onMainWindowDestroyed"), 0);
  size_t bound = 0;
  for (const lp::WindowTemplate& window : data_.windows)
    for (const lp::UnitRecord& record : window.units)
      if (!record.isMenu) bound += record.component.events.size();
  EXPECT_EQ(bound, std::size(bindings));  // nothing bound beyond the table
  for (const Binding& binding : bindings) {
    const lp::WindowTemplate& window = data_.windows[binding.window];
    const lp::ComponentUnit& source = binding.unit ? unit(window, binding.unit) : window.units[0].component;
    int32_t offset = -2;
    for (const lp::EventBinding& event : source.events)
      if (event.event == binding.event) offset = event.handlerOffset;
    EXPECT_EQ(offset, handlers.offsetOf(binding.handler)) << binding.handler;
  }
}

}  // namespace
