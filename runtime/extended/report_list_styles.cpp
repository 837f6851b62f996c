// Which window and list-view styles the report list's properties stand for,
// and which properties are creation-time styles.
#include "runtime/extended/report_list_object.h"

namespace lp {

ReportListStyles reportListStyles(const ReportListData& d) {
  static const DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  ReportListStyles s;
  s.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kViews[d.viewType & 3];
  const bool iconView = d.viewType == ReportListData::kLargeIcons || d.viewType == ReportListData::kSmallIcons;
  if (iconView) {
    if (d.iconAlign == 1) s.style |= LVS_ALIGNLEFT;
    if (d.autoArrange) s.style |= LVS_AUTOARRANGE;
    if (!d.labelWrap) s.style |= LVS_NOLABELWRAP;
  }
  if (d.viewType == ReportListData::kReportView) {
    if (d.hideHeader) {
      s.style |= LVS_NOCOLUMNHEADER;
    } else {
      if (!d.sortableHeader) s.style |= LVS_NOSORTHEADER;
      if (d.headerDragDrop) s.listExtended |= LVS_EX_HEADERDRAGDROP;
    }
    if (d.fullRowSelect) s.listExtended |= LVS_EX_FULLROWSELECT;
    if (d.gridLines) s.listExtended |= LVS_EX_GRIDLINES;
  }
  if (d.hotTrack) {
    s.listExtended |= LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE;
    if (d.underlineCold) s.listExtended |= LVS_EX_UNDERLINECOLD;
    if (d.underlineHot) s.listExtended |= LVS_EX_UNDERLINEHOT;
  }
  if (d.editLabels) s.style |= LVS_EDITLABELS;
  if (d.sortOrder == 1) s.style |= LVS_SORTASCENDING;
  if (d.sortOrder == 2) s.style |= LVS_SORTDESCENDING;
  if (d.checkBoxes) s.listExtended |= LVS_EX_CHECKBOXES;
  if (d.singleSelect) s.style |= LVS_SINGLESEL;
  if (d.showSelectionAlways) s.style |= LVS_SHOWSELALWAYS;
  if (d.flatScrollBars) s.listExtended |= LVS_EX_FLATSB;
  s.listExtended |= LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES;
  return s;
}

bool needsRecreation(const ReportListData& d, int32_t ownIndex) {
  switch (ownIndex) {
    case ReportListData::kViewType:
    case ReportListData::kIconAlign:
    case ReportListData::kAutoArrange:
    case ReportListData::kColumns:
    case ReportListData::kSortableHeader:
    case ReportListData::kFullRowSelect:
    case ReportListData::kGridLines:
    case ReportListData::kHeaderDragDrop:
    case ReportListData::kHotTrack:
    case ReportListData::kEditLabels:
    case ReportListData::kSortOrder:
    case ReportListData::kCheckBoxes:
    case ReportListData::kFlatScrollBars:
    case ReportListData::kSingleSelect:
    case ReportListData::kShowSelectionAlways:
      return true;
    case ReportListData::kHandCursor:
    case ReportListData::kUnderlineCold:
    case ReportListData::kUnderlineHot:
      return d.hotTrack;
    default:
      return false;
  }
}

}  // namespace lp
