// The live report list: its stored properties and what it keeps beside them
// on Win32. Shared by the report_list_*.cpp files only.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/component_object.h"
#include "runtime/extended/report_list_data.h"

namespace lp {

struct ReportListObject : ComponentObject {
  ReportListData data;
  bool designMode = false;
  WNDPROC controlProcedure = nullptr;  // the list view's own, which ours wraps
  HFONT font = nullptr;                // created from the Font property
  HIMAGELIST headerImages = nullptr;   // the header does not own its list
  // During event 7 the new text of the label being edited.
  std::string editedText;
  // A fill batches its redraw (see report_list_fill.cpp).
  bool filling = false;
  bool writingRow = false;  // a fill's own insert or cell write is under way
  bool filledSinceTick = false;
  DWORD lastShown = 0;
  bool frameHeld = false;  // redraw off hid the whole window (see report_list_fill.cpp)
  // Whether the control itself told of the row under the mouse during the
  // mouse move being handled (Wine's list view never does).
  bool hotTrackNotified = false;
};

// Posted to the list by a click on a state icon or the space key: wParam is
// the row whose check box may have changed.
constexpr UINT kMsgCheckChanged = WM_APP + 0x100;
// The timer that shows a fill in progress and ends it (an id the control
// itself does not use).
constexpr UINT_PTR kFillTimer = 0x4C50;

// The create entry (report_list_create.cpp), the object behind a list
// window (or null), and the undoing of that link when the window goes.
ComponentObject* createReportList(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                                  uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                                  int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                                  int32_t designMode);
ReportListObject* reportListOf(HWND window);
void forgetReportList(HWND window);

// Window styles derived from the properties (report_list_styles.cpp).
struct ReportListStyles {
  DWORD style = 0;          // the list-view styles (LVS_*) and WS_ styles
  DWORD listExtended = 0;   // LVS_EX_* for LVM_SETEXTENDEDLISTVIEWSTYLE
};
ReportListStyles reportListStyles(const ReportListData& data);
// True when a changed property (already stored) can only take effect by
// rebuilding the window.
bool needsRecreation(const ReportListData& data, int32_t ownIndex);

// Looks and contents applied after creation and on property writes
// (report_list_apply.cpp).
void applyColours(ReportListObject& list);
void applyImageLists(ReportListObject& list);
void applyHeaderImages(ReportListObject& list);
void applyHotCursor(ReportListObject& list);
void insertColumns(ReportListObject& list);
void fillInitialRows(ReportListObject& list);
// Writes CurrentRow when SingleSelect is set; false when ignored.
bool applyCurrentRow(ReportListObject& list, int32_t row);
// The first selected row, or -1.
int32_t selectedRow(HWND window);
// A cell's text, whatever its length; empty for a cell that does not exist
// (report_list_commands.cpp).
std::string cellText(HWND window, int32_t row, int32_t column);

// Image-list properties: a sequence of records, each a 32-bit byte count and
// the bytes of one picture file (BMP, JPEG, GIF or ICO), all drawn at the
// size of the first (report_list_images.cpp). Null when there is no image.
HIMAGELIST buildImageList(const std::vector<uint8_t>& data, COLORREF background);

// Reflected notifications and the private messages (report_list_notify.cpp).
LRESULT reportListNotify(ReportListObject& list, const NMHDR* header);
void checkChanged(ReportListObject& list, int32_t row);
// Event 3 for the row under the mouse (-1: none).
void hotTracked(ReportListObject& list, int32_t row);

// Batched redraw of long fills (report_list_fill.cpp): fillStep before each
// row insert or cell write, fillTick on the fill timer, flushFill before
// anything else reads or changes the list.
void fillStep(ReportListObject& list);
void fillTick(ReportListObject& list);
void flushFill(ReportListObject& list);

// The subclassing window procedure (report_list_procedure.cpp).
LRESULT CALLBACK reportListProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lp
