// Creating the report list: the list-view window with the styles of its
// properties, wrapped by our procedure, then font, images, colours, border,
// hot cursor, columns, initial rows and the current row.
#include "runtime/components/border_style.h"
#include "runtime/components/component_font.h"
#include "runtime/components/object_link.h"
#include "runtime/core/component_type.h"
#include "runtime/extended/report_list.h"
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {


bool listViewClassReady() {
  static const bool ready = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  return ready;
}

}  // namespace

ReportListObject* reportListOf(HWND window) {
  return linkedObject<ReportListObject>(window);
}

void forgetReportList(HWND window) { unlinkObject(window); }

ComponentObject* createReportList(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                                  uint32_t controlId, HMENU, int32_t left, int32_t top, int32_t width,
                                  int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                                  int32_t designMode) {
  if (!listViewClassReady()) return nullptr;
  auto* list = new ReportListObject;
  if (!list->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete list;
    return nullptr;
  }
  list->windowId = windowId;
  list->unitId = unitId;
  list->designMode = designMode != 0;
  const ReportListStyles styles = reportListStyles(list->data);
  const DWORD style = (presetStyle & (WS_DISABLED | WS_TABSTOP)) | styles.style;
  list->window = CreateWindowExW(0, WC_LISTVIEWW, L"", style, left, top, width, height,
                                 list->designMode && designWindow ? designWindow : parent,
                                 reinterpret_cast<HMENU>(static_cast<uintptr_t>(controlId)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!list->window) {
    delete list;
    return nullptr;
  }
  linkObject(list->window, list);
  list->controlProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(reportListProcedure)));
  SendMessageW(list->window, LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(-1),
               static_cast<LPARAM>(styles.listExtended));
  applyFont(list->window, list->data.font, list->font);
  applyImageLists(*list);
  applyHeaderImages(*list);
  applyColours(*list);
  applyBorderStyle(list->window, list->data.border);
  applyHotCursor(*list);
  insertColumns(*list);
  fillInitialRows(*list);
  applyCurrentRow(*list, list->data.currentRow);
  return list;
}

}  // namespace lp
