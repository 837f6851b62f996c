// Colours, image lists, hot cursor, columns, initial rows and the current
// row of a report list, as its properties say.
#include <string>
#include <vector>

#include "runtime/components/component_colour.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/report_list_object.h"
#include "runtime/extended/report_list_records.h"

namespace lp {
namespace {

constexpr WORD kRuntimeHandCursor = 2008;

// An image index outside the list (or with no list) becomes -1.
int32_t imageInRange(HIMAGELIST images, int32_t index) {
  return images && index >= 0 && index < ImageList_GetImageCount(images) ? index : -1;
}

HIMAGELIST attachedList(HWND window, int which) {
  return reinterpret_cast<HIMAGELIST>(SendMessageW(window, LVM_GETIMAGELIST, static_cast<WPARAM>(which), 0));
}

// Replaces a list the control owns; the previous one is ours to destroy.
void attach(HWND window, int which, HIMAGELIST images) {
  auto old = reinterpret_cast<HIMAGELIST>(
      SendMessageW(window, LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images)));
  if (old && old != images) ImageList_Destroy(old);
}

}  // namespace

void applyColours(ReportListObject& list) {
  const ReportListData& d = list.data;
  SendMessageW(list.window, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(d.textColor & 0x00FFFFFFu));
  SendMessageW(list.window, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(backgroundColour(d.textBackColor)));
  SendMessageW(list.window, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(backgroundColour(d.backColor)));
  InvalidateRect(list.window, nullptr, TRUE);
}

void applyImageLists(ReportListObject& list) {
  const int which = list.data.viewType == ReportListData::kLargeIcons ? LVSIL_NORMAL : LVSIL_SMALL;
  attach(list.window, which, buildImageList(list.data.images, CLR_NONE));
  // Check boxes bring their own state images; stored ones replace them.
  if (!list.data.stateImages.empty() || !list.data.checkBoxes)
    attach(list.window, LVSIL_STATE, buildImageList(list.data.stateImages, CLR_NONE));
}

void applyHeaderImages(ReportListObject& list) {
  if (list.data.viewType != ReportListData::kReportView) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(list.window, LVM_GETHEADER, 0, 0));
  HIMAGELIST images = buildImageList(list.data.headerImages, GetSysColor(COLOR_BTNFACE));
  if (header) SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  if (list.headerImages) ImageList_Destroy(list.headerImages);
  list.headerImages = images;
}

void applyHotCursor(ReportListObject& list) {
  if (!list.data.hotTrack) return;
  HCURSOR cursor = nullptr;
  if (list.data.handCursor) {
    cursor = LoadCursorA(nullptr, IDC_HAND);
    if (!cursor) cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kRuntimeHandCursor));
  }
  if (!cursor) cursor = LoadCursorA(nullptr, IDC_ARROW);
  SendMessageW(list.window, LVM_SETHOTCURSOR, 0, reinterpret_cast<LPARAM>(cursor));
}

void insertColumns(ReportListObject& list) {
  if (list.data.viewType != ReportListData::kReportView) return;
  std::vector<ReportColumn> columns;
  parseColumns(list.data.columns, columns);
  for (size_t i = 0; i < columns.size(); ++i) {
    const ReportColumn& c = columns[i];
    std::wstring heading = gbkToWide(c.heading);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = c.alignment == 1 ? LVCFMT_CENTER : c.alignment == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    if (c.imageOnRight) column.fmt |= LVCFMT_BITMAP_ON_RIGHT;
    if (c.image != -1) {
      column.mask |= LVCF_IMAGE;
      column.fmt |= LVCFMT_IMAGE;
      column.iImage = c.image;
    }
    column.cx = c.width;
    column.pszText = &heading[0];
    column.iSubItem = static_cast<int>(i);
    SendMessageW(list.window, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void fillInitialRows(ReportListObject& list) {
  SendMessageW(list.window, LVM_DELETEALLITEMS, 0, 0);
  std::vector<ReportRowRecord> rows;
  parseRows(list.data.initialRows, rows);
  const bool report = list.data.viewType == ReportListData::kReportView;
  HIMAGELIST images = attachedList(list.window, list.data.viewType == ReportListData::kLargeIcons ? LVSIL_NORMAL
                                                                                                   : LVSIL_SMALL);
  HIMAGELIST states = list.data.stateImages.empty() ? nullptr : attachedList(list.window, LVSIL_STATE);
  int row = -1, column = 0;
  for (const ReportRowRecord& r : rows) {
    std::wstring text = gbkToWide(r.text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = &text[0];
    item.iImage = imageInRange(images, r.image);
    if (r.subItem == 0) {
      item.mask |= LVIF_PARAM;
      item.iItem = static_cast<int>(SendMessageW(list.window, LVM_GETITEMCOUNT, 0, 0));
      item.lParam = static_cast<LPARAM>(r.itemData);
      if (report) {
        item.mask |= LVIF_INDENT;
        item.iIndent = r.indent;
      }
      const int32_t state = imageInRange(states, r.stateImage);
      if (state >= 0) {
        item.mask |= LVIF_STATE;
        item.state = INDEXTOSTATEIMAGEMASK(state + 1);
        item.stateMask = LVIS_STATEIMAGEMASK;
      }
      row = static_cast<int>(SendMessageW(list.window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
      column = 0;
    } else if (row >= 0) {
      item.iItem = row;
      item.iSubItem = ++column;
      SendMessageW(list.window, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
  }
}

bool applyCurrentRow(ReportListObject& list, int32_t row) {
  if (!list.data.singleSelect) return false;
  list.data.currentRow = row < -1 ? -1 : row;
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (list.data.currentRow >= 0) {
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list.window, LVM_SETITEMSTATE, static_cast<WPARAM>(list.data.currentRow),
                 reinterpret_cast<LPARAM>(&item));
  } else if (int32_t selected = selectedRow(list.window); selected >= 0) {
    SendMessageW(list.window, LVM_SETITEMSTATE, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item));
  }
  return true;
}

int32_t selectedRow(HWND window) {
  return static_cast<int32_t>(SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace lp
