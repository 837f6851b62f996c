// The reader's event handlers, bound by name in the window templates
// (resources/windows) and placed in the code base in the order of
// resources/handlers.txt. The runtime calls each with the event's arguments
// and takes a returned value from the call record.
#pragma once

namespace lp {
struct HandlerCall;
}  // namespace lp

extern "C" {

// main window destroyed: close-down
void onMainWindowDestroyed(lp::HandlerCall* call);
// main window created: start-up
void onMainWindowCreated(lp::HandlerCall* call);
// main window size changed: apply the layout table
void onMainWindowResized(lp::HandlerCall* call);
// 编辑框_福音 content changed: pinyin filter of the book list
void onBookBoxChanged(lp::HandlerCall* call);
// 列表框_福音列表 double-clicked: take the book name, restore the full list
void onBookListDoubleClicked(lp::HandlerCall* call);
// 编辑框_章 key down: chapter lookup on Enter
void onChapterBoxKeyDown(lp::HandlerCall* call);
// 编辑框_节 key down: verse lookup on Enter
void onVerseBoxKeyDown(lp::HandlerCall* call);
// 编辑框_到章 key down: chapter-range lookup on Enter
void onLastChapterBoxKeyDown(lp::HandlerCall* call);
// 编辑框_到节 key down: verse-range lookup on Enter
void onLastVerseBoxKeyDown(lp::HandlerCall* call);
// 编辑框_模糊经文 key down: fuzzy search on Enter
void onSearchBoxKeyDown(lp::HandlerCall* call);
// 按钮_模糊搜索 clicked: fuzzy search
void onSearchButtonClicked(lp::HandlerCall* call);
// 超级列表框 mouse over a row (row index or -1): preview
void onResultListHotTrack(lp::HandlerCall* call);
// 超级列表框 double click: append the selected row to the result box
void onResultListDoubleClicked(lp::HandlerCall* call);
// 按钮_显示结果 clicked: append every row to the result box
void onShowAllButtonClicked(lp::HandlerCall* call);
// 按钮_设置字体 clicked: font dialog
void onFontButtonClicked(lp::HandlerCall* call);
// 颜色选择器_背景 colour chosen: background of the result box
void onBackgroundColourChosen(lp::HandlerCall* call);
// 编辑框_搜索后 double click: open the reading window
void onResultBoxDoubleClicked(lp::HandlerCall* call);
// 按钮_复制 clicked: copy the result box
void onCopyButtonClicked(lp::HandlerCall* call);
// 按钮_清空 clicked: clear the result box
void onClearButtonClicked(lp::HandlerCall* call);
// menu 保存设置: save settings
void onSaveSettingsChosen(lp::HandlerCall* call);
// menu 还原软件: restore defaults
void onRestoreDefaultsChosen(lp::HandlerCall* call);
// menu 全屏模式: full-screen mode
void onFullScreenModeChosen(lp::HandlerCall* call);
// menu 普通模式: normal mode
void onNormalModeChosen(lp::HandlerCall* call);
// menu 全屏显示章节部分: open the reading window
void onReadingWindowChosen(lp::HandlerCall* call);
// menu 退出软件: end the program
void onExitChosen(lp::HandlerCall* call);
// menu 商业版权: rights notice
void onRightsChosen(lp::HandlerCall* call);
// menu 软件最近更新动向: open the update address
void onUpdatesChosen(lp::HandlerCall* call);
// reading window size changed: fill the reading box
void onReadingWindowResized(lp::HandlerCall* call);
// 编辑框_全屏显示 double click: close the reading window
void onReadingBoxDoubleClicked(lp::HandlerCall* call);

}  // extern "C"
