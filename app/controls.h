// The reader's windows and components by window id, unit id and unit type,
// and the property indexes it uses (the fixed ones 0 to 7, own ones from 8).
#pragma once
#include <cstdint>

#include "app/runtime_calls.h"

namespace reader {

constexpr uint32_t kMainWindowId = 0x52010001u;
constexpr uint32_t kReadingWindowId = 0x52010E81u;

// Unit type codes: library number in the high half, type number in the low.
constexpr uint32_t kWindowType = 0x00010001u;
constexpr uint32_t kEditBoxType = 0x00010005u;
constexpr uint32_t kLabelType = 0x0001000Au;
constexpr uint32_t kButtonType = 0x0001000Bu;
constexpr uint32_t kListBoxType = 0x0001000Fu;
constexpr uint32_t kColorPickerType = 0x0001001Cu;
constexpr uint32_t kCommonDialogType = 0x0001001Fu;
constexpr uint32_t kDatabaseType = 0x0001002Eu;
constexpr uint32_t kReportListType = 0x00020004u;
constexpr uint32_t kTransLabelType = 0x00020005u;

constexpr Component mainUnit(uint32_t unit, uint32_t type) { return {kMainWindowId, unit, type}; }

namespace ui {
constexpr Component kMainWindow = mainUnit(0, kWindowType);
constexpr Component kBookCaption = mainUnit(0x16010CABu, kTransLabelType);        // 透明标签_福音
constexpr Component kBookBox = mainUnit(0x16010CACu, kEditBoxType);               // 编辑框_福音
constexpr Component kChapterCaption = mainUnit(0x16010CADu, kTransLabelType);     // 透明标签_章
constexpr Component kChapterBox = mainUnit(0x16010CAEu, kEditBoxType);            // 编辑框_章
constexpr Component kVerseCaption = mainUnit(0x16010CAFu, kTransLabelType);       // 透明标签_节
constexpr Component kVerseBox = mainUnit(0x16010CB0u, kEditBoxType);              // 编辑框_节
constexpr Component kRule = mainUnit(0x16010CB1u, kLabelType);                    // 标签
constexpr Component kLastChapterCaption = mainUnit(0x16010CB2u, kTransLabelType); // 透明标签_到章
constexpr Component kLastChapterBox = mainUnit(0x16010CB3u, kEditBoxType);        // 编辑框_到章
constexpr Component kLastVerseCaption = mainUnit(0x16010CB4u, kTransLabelType);   // 透明标签_到节
constexpr Component kLastVerseBox = mainUnit(0x16010CB5u, kEditBoxType);          // 编辑框_到节
constexpr Component kBookList = mainUnit(0x16010CB6u, kListBoxType);              // 列表框_福音列表
constexpr Component kResultList = mainUnit(0x16010CB7u, kReportListType);         // 超级列表框
constexpr Component kDatabase = mainUnit(0x16010CB8u, kDatabaseType);             // 外部数据库
constexpr Component kSearchCaption = mainUnit(0x16010CB9u, kTransLabelType);      // 透明标签_模糊搜索
constexpr Component kSearchBox = mainUnit(0x16010CBAu, kEditBoxType);             // 编辑框_模糊经文
constexpr Component kSearchButton = mainUnit(0x16010CBBu, kButtonType);           // 按钮_模糊搜索
constexpr Component kFontButton = mainUnit(0x16010CBCu, kButtonType);             // 按钮_设置字体
constexpr Component kColourPicker = mainUnit(0x16010CBDu, kColorPickerType);      // 颜色选择器_背景
constexpr Component kShowAllButton = mainUnit(0x16010CBEu, kButtonType);          // 按钮_显示结果
constexpr Component kResultBox = mainUnit(0x16010CBFu, kEditBoxType);             // 编辑框_搜索后
constexpr Component kFontDialog = mainUnit(0x16010CC0u, kCommonDialogType);       // 通用对话框_字体
constexpr Component kPreview = mainUnit(0x16010CC1u, kLabelType);                 // 标签_经文预览
constexpr Component kCopyButton = mainUnit(0x16010CC2u, kButtonType);             // 按钮_复制
constexpr Component kClearButton = mainUnit(0x16010CC3u, kButtonType);            // 按钮_清空

constexpr Component kReadingWindow = {kReadingWindowId, 0, kWindowType};
constexpr Component kReadingBox = {kReadingWindowId, 0x16010E84u, kEditBoxType};  // 编辑框_全屏显示
}  // namespace ui

namespace prop {
constexpr int32_t kLeft = 0;
constexpr int32_t kTop = 1;
constexpr int32_t kWidth = 2;
constexpr int32_t kHeight = 3;
constexpr int32_t kWindowCaption = 8;
constexpr int32_t kWindowPosition = 18;
constexpr int32_t kEditContent = 8;
constexpr int32_t kEditTextColour = 10;
constexpr int32_t kEditBackColour = 11;
constexpr int32_t kEditFont = 12;
constexpr int32_t kLabelCaption = 8;
constexpr int32_t kListCurrentIndex = 16;
constexpr int32_t kListItems = 17;
constexpr int32_t kReportCurrentRow = 35;
constexpr int32_t kPickerColour = 8;
constexpr int32_t kDialogFontColour = 20;
constexpr int32_t kDialogBold = 21;
constexpr int32_t kDialogItalic = 22;
constexpr int32_t kDialogStrikeOut = 23;
constexpr int32_t kDialogUnderline = 24;
constexpr int32_t kDialogFontName = 25;
constexpr int32_t kDialogFontSize = 26;
}  // namespace prop

}  // namespace reader
