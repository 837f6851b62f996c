#include "app/result_box.h"

#include "app/commands.h"
#include "app/controls.h"
#include "app/main_window_lifetime.h"

namespace reader {
namespace {

constexpr int32_t kInformationIcon = 0x40;
constexpr int32_t kWarningIcon = 0x30;

}  // namespace

void previewRow(int32_t row) {
  if (row == -1) return;
  writeText(ui::kPreview, prop::kLabelCaption, cmd::cellText(ui::kResultList, row, 3));
}

void appendSelectedRow() {
  const Component& list = ui::kResultList;
  const int32_t row = readInteger(list, prop::kReportCurrentRow);
  if (row == -1) return;
  // 创世记1:1 text: no separator between book and chapter.
  cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 0));
  cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 1) + ":");
  cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 2) + " ");
  cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 3) + "\r\n");
}

void appendAllRows() {
  const Component& list = ui::kResultList;
  const int32_t count = cmd::rowCount(list);
  for (int32_t row = 0; row < count; ++row) {
    // 创世记-1:1 text: here the book is followed by a hyphen.
    cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 0) + "-");
    cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 1) + ":");
    cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 2) + " ");
    cmd::appendText(ui::kResultBox, cmd::cellText(list, row, 3) + "\r\n");
    cmd::doEvents();
    if (mainWindowClosed()) return;
  }
}

void copyResultBox() {
  if (cmd::setClipboardText(readText(ui::kResultBox, prop::kEditContent))) {
    cmd::infoBox("复制成功!", kInformationIcon, "提示:");
  } else {
    cmd::infoBox("复制失败,剪贴板正被其他程序占用,请稍后再试!", kWarningIcon, "错误提示:");
  }
}

void clearResultBox() { writeText(ui::kResultBox, prop::kEditContent, ""); }

}  // namespace reader
