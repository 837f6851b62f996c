// The list view's notifications, reflected back by the form, turned into the
// report list's events; info tips from the initial rows; label editing with
// EditedText; the check-box event.
#include <cwchar>
#include <string>
#include <vector>

#include "runtime/components/component_events.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/report_list_object.h"
#include "runtime/extended/report_list_records.h"

namespace lp {
namespace {

enum ReportListEvent : int32_t {
  kFocusedRow = 0,
  kActivated = 1,
  kColumnClicked = 2,
  kHotTracked = 3,
  kClicked = 4,
  kRightClicked = 5,
  kLabelEditStarts = 6,
  kLabelEditEnds = 7,
  kCheckChanged = 8,
  kGotFocus = -7,
  kLostFocus = -8,
};

EventOutcome raise(const ReportListObject& list, int32_t event, int32_t argCount = 0, const int32_t* args = nullptr) {
  uint32_t words[2] = {};
  for (int32_t i = 0; i < argCount && i < 2; ++i) words[i] = static_cast<uint32_t>(args[i]);
  return raiseEvent(list.windowId, list.unitId, event, argCount, words);
}

EventOutcome raiseWithRow(const ReportListObject& list, int32_t event, int32_t row) {
  return raise(list, event, 1, &row);
}

// The info tip of the n-th row record (records that start a row).
std::string initialRowTip(const ReportListData& data, int32_t n) {
  std::vector<ReportRowRecord> rows;
  parseRows(data.initialRows, rows);
  for (const ReportRowRecord& row : rows) {
    if (row.subItem != 0) continue;
    if (n-- == 0) return row.tip;
  }
  return {};
}

void infoTip(const ReportListObject& list, NMLVGETINFOTIPW* tip) {
  if (!tip->pszText || tip->cchTextMax <= 0) return;
  const std::wstring text = gbkToWide(initialRowTip(list.data, tip->iItem));
  const size_t room = static_cast<size_t>(tip->cchTextMax) - 1;
  const size_t n = text.size() < room ? text.size() : room;
  wmemcpy(tip->pszText, text.data(), n);
  tip->pszText[n] = 0;
}

LRESULT labelEditEnds(ReportListObject& list, const NMLVDISPINFOW* info) {
  const int32_t row = info->item.iItem;
  list.editedText = info->item.pszText ? wideToGbk(info->item.pszText) : cellText(list.window, row, 0);
  const EventOutcome outcome = raiseWithRow(list, kLabelEditEnds, row);
  list.editedText.clear();
  return info->item.pszText && allowedBy(outcome) ? TRUE : FALSE;
}

}  // namespace

LRESULT reportListNotify(ReportListObject& list, const NMHDR* header) {
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
      if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_FOCUSED) &&
          !(change->uOldState & LVIS_FOCUSED))
        raise(list, kFocusedRow);
      return 0;
    }
    case LVN_DELETEALLITEMS:
      // No row's deletion is an event: the control need not tell of each.
      return TRUE;
    case LVN_ITEMACTIVATE:
      raise(list, kActivated);
      return 0;
    case LVN_COLUMNCLICK:
      raiseWithRow(list, kColumnClicked, reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case LVN_HOTTRACK:
      list.hotTrackNotified = true;
      hotTracked(list, reinterpret_cast<const NMLISTVIEW*>(header)->iItem);
      return 0;
    case NM_CLICK:
      raise(list, kClicked);
      return 0;
    case NM_RCLICK:
      raise(list, kRightClicked);
      return 0;
    case LVN_BEGINLABELEDITW: {
      const int32_t row = reinterpret_cast<const NMLVDISPINFOW*>(header)->item.iItem;
      return allowedBy(raiseWithRow(list, kLabelEditStarts, row)) ? FALSE : TRUE;
    }
    case LVN_ENDLABELEDITW:
      return labelEditEnds(list, reinterpret_cast<const NMLVDISPINFOW*>(header));
    case LVN_GETINFOTIPW:
      infoTip(list, reinterpret_cast<NMLVGETINFOTIPW*>(const_cast<NMHDR*>(header)));
      return 0;
    case NM_SETFOCUS:
      raise(list, kGotFocus);
      return 0;
    case NM_KILLFOCUS:
      raise(list, kLostFocus);
      return 0;
    default:
      return 0;
  }
}

void hotTracked(ReportListObject& list, int32_t row) { raiseWithRow(list, kHotTracked, row); }

void checkChanged(ReportListObject& list, int32_t row) {
  if (row < 0) return;
  const UINT state = static_cast<UINT>(
      SendMessageW(list.window, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  const int32_t args[2] = {row, static_cast<int32_t>((state & LVIS_STATEIMAGEMASK) >> 12) - 1};
  raise(list, kCheckChanged, 2, args);
}

}  // namespace lp
