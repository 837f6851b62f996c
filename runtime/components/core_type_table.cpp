#include "runtime/components/core_type_table.h"

#include "runtime/components/button_data.h"
#include "runtime/components/color_picker_data.h"
#include "runtime/components/common_dialog_data.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/label_data.h"
#include "runtime/components/list_box_data.h"
#include "runtime/components/window_data.h"

namespace lp {

namespace {

// Menu units have only these four, read and written by the runtime on the
// unit record itself.
const PropertyFacts kMenuProperties[4] = {
    {"\xB1\xEA\xCC\xE2" /* 标题 */, "Caption", kPropText, 0},
    {"\xD1\xA1\xD6\xD0" /* 选中 */, "Checked", kPropLogical, 0},
    {"\xBD\xFB\xD6\xB9" /* 禁止 */, "MenuDisabled", kPropLogical, 0},
    {"\xBF\xC9\xCA\xD3" /* 可视 */, "MenuVisible", kPropLogical, 0},
};

}  // namespace

const ComponentTypeFacts kCoreTypes[kCoreTypeCount] = {
    {1, "\xB4\xB0\xBF\xDA" /* 窗口 */, "window", 0x800000D0u, true, WindowData::kProperties, WindowData::kPropertyCount},
    {2, nullptr, nullptr, 0, false, nullptr, 0},
    {3, "\xB2\xCB\xB5\xA5" /* 菜单 */, "menu", 0x80000004u, false, kMenuProperties, 4},
    {4, nullptr, nullptr, 0, false, nullptr, 0},
    {5, "\xB1\xE0\xBC\xAD\xBF\xF2" /* 编辑框 */, "EditBox", 0x80000040u, true, EditBoxData::kProperties, EditBoxData::kPropertyCount},
    {6, nullptr, nullptr, 0, false, nullptr, 0},
    {7, nullptr, nullptr, 0, false, nullptr, 0},
    {8, nullptr, nullptr, 0, false, nullptr, 0},
    {9, nullptr, nullptr, 0, false, nullptr, 0},
    {10, "\xB1\xEA\xC7\xA9" /* 标签 */, "Label", 0x84012040u, true, LabelData::kProperties, LabelData::kPropertyCount},
    {11, "\xB0\xB4\xC5\xA5" /* 按钮 */, "Button", 0x80000840u, true, ButtonData::kProperties, ButtonData::kPropertyCount},
    {12, nullptr, nullptr, 0, false, nullptr, 0},
    {13, nullptr, nullptr, 0, false, nullptr, 0},
    {14, nullptr, nullptr, 0, false, nullptr, 0},
    {15, "\xC1\xD0\xB1\xED\xBF\xF2" /* 列表框 */, "ListBox", 0x80000040u, true, ListBoxData::kProperties, ListBoxData::kPropertyCount},
    {16, nullptr, nullptr, 0, false, nullptr, 0},
    {17, nullptr, nullptr, 0, false, nullptr, 0},
    {18, nullptr, nullptr, 0, false, nullptr, 0},
    {19, nullptr, nullptr, 0, false, nullptr, 0},
    {20, nullptr, nullptr, 0, false, nullptr, 0},
    {21, nullptr, nullptr, 0, false, nullptr, 0},
    {22, nullptr, nullptr, 0, false, nullptr, 0},
    {23, nullptr, nullptr, 0, false, nullptr, 0},
    {24, nullptr, nullptr, 0, false, nullptr, 0},
    {25, nullptr, nullptr, 0, false, nullptr, 0},
    {26, nullptr, nullptr, 0, false, nullptr, 0},
    {27, nullptr, nullptr, 0, false, nullptr, 0},
    {28, "\xD1\xD5\xC9\xAB\xD1\xA1\xD4\xF1\xC6\xF7" /* 颜色选择器 */, "ColorPicker", 0x80000040u, true, ColorPickerData::kProperties, ColorPickerData::kPropertyCount},
    {29, nullptr, nullptr, 0, false, nullptr, 0},
    {30, nullptr, nullptr, 0, false, nullptr, 0},
    {31, "\xCD\xA8\xD3\xC3\xB6\xD4\xBB\xB0\xBF\xF2" /* 通用对话框 */, "CommonDlg", 0x80008040u, true, CommonDialogData::kProperties, CommonDialogData::kPropertyCount},
    {32, nullptr, nullptr, 0, false, nullptr, 0},
    {33, nullptr, nullptr, 0, false, nullptr, 0},
    {34, nullptr, nullptr, 0, false, nullptr, 0},
    {35, nullptr, nullptr, 0, false, nullptr, 0},
    {36, nullptr, nullptr, 0, false, nullptr, 0},
    {37, nullptr, nullptr, 0, false, nullptr, 0},
    {38, nullptr, nullptr, 0, false, nullptr, 0},
    {39, nullptr, nullptr, 0, false, nullptr, 0},
    {40, nullptr, nullptr, 0, false, nullptr, 0},
    {41, nullptr, nullptr, 0, false, nullptr, 0},
    {42, nullptr, nullptr, 0, false, nullptr, 0},
    {43, nullptr, nullptr, 0, false, nullptr, 0},
    {44, nullptr, nullptr, 0, false, nullptr, 0},
    {45, nullptr, nullptr, 0, false, nullptr, 0},
    {46, "\xCD\xE2\xB2\xBF\xCA\xFD\xBE\xDD\xBF\xE2" /* 外部数据库 */, "ODBCDB", 0x80008040u, false, nullptr, 0},
    {47, nullptr, nullptr, 0, false, nullptr, 0},
    {48, nullptr, nullptr, 0, false, nullptr, 0},
    {49, nullptr, nullptr, 0, false, nullptr, 0},
    {50, nullptr, nullptr, 0, false, nullptr, 0},
    {51, nullptr, nullptr, 0, false, nullptr, 0},
};

const ComponentTypeFacts* coreType(uint32_t number) {
  if (number < 1 || number > kCoreTypeCount) return nullptr;
  return &kCoreTypes[number - 1];
}

}  // namespace lp
