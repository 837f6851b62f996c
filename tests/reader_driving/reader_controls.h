// The reader's controls and menu items as another process sees them. The
// loader numbers a window's controls 100, 110, 120, ... starting from the
// last unit of the template, so the numbers follow main_window.tmpl backwards.
#pragma once

namespace drive {

constexpr int kClearButton = 100;      // 全部清空
constexpr int kCopyButton = 110;       // 复制结果
constexpr int kPreview = 120;          // 经文预览
constexpr int kResultBox = 140;        // multi-line result box
constexpr int kShowAllButton = 150;    // 将结果全部显示
constexpr int kColourPicker = 160;     // background colour
constexpr int kFontButton = 170;       // 设置字体
constexpr int kSearchButton = 180;     // 模糊搜索
constexpr int kSearchBox = 190;
constexpr int kResultList = 220;       // report list view
constexpr int kBookList = 230;         // list box of books
constexpr int kLastVerseBox = 240;
constexpr int kLastChapterBox = 260;
constexpr int kVerseBox = 290;
constexpr int kChapterBox = 310;
constexpr int kBookBox = 330;

// Menu commands: 20000 plus the item's position among the menu units.
constexpr int kSaveSettingsItem = 20001;
constexpr int kRestoreDefaultsItem = 20002;
constexpr int kFullScreenItem = 20004;
constexpr int kNormalModeItem = 20005;
constexpr int kReadingWindowItem = 20007;
constexpr int kExitItem = 20009;
constexpr int kRightsItem = 20011;
constexpr int kUpdatesItem = 20012;

}  // namespace drive
