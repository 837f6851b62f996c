// Creating the list box: its styles, its LISTBOX window, looks, row height,
// the stored items and the stored selection.
#include "runtime/components/border_style.h"
#include "runtime/components/component_font.h"
#include "runtime/components/list_box_object.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {


DWORD creationStyle(const ListBoxData& d, uint32_t presetStyle) {
  DWORD style = presetStyle | WS_CHILD | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
  // A list filled from a data source keeps the source's order.
  if (d.sorted && d.dataSource.empty()) style |= LBS_SORT;
  style |= d.multiColumn ? (WS_HSCROLL | LBS_MULTICOLUMN) : WS_VSCROLL;
  if (d.multiSelect) style |= LBS_EXTENDEDSEL;
  return style;
}

void selectStoredIndex(ListBoxObject& list) {
  const auto count = static_cast<int32_t>(SendMessageW(list.window, LB_GETCOUNT, 0, 0));
  list.data.currentIndex = ListBoxData::clampCurrentIndex(list.data.currentIndex, count);
  if (!list.data.multiSelect) SendMessageW(list.window, LB_SETCURSEL, static_cast<WPARAM>(list.data.currentIndex), 0);
}

}  // namespace

ListBoxObject* listBoxObjectOf(HWND window) {
  return linkedObject<ListBoxObject>(window);
}

void forgetListBoxObject(ListBoxObject& list) { unlinkObject(list.window); }

void fillFromStoredItems(ListBoxObject& list) {
  // In a sorted list an item's value goes to wherever the item landed.
  SendMessageW(list.window, WM_SETREDRAW, FALSE, 0);
  for (size_t i = 0; i < list.data.items.size(); ++i) {
    const LRESULT index =
        SendMessageW(list.window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gbkToWide(list.data.items[i]).c_str()));
    if (index >= 0 && i < list.data.itemData.size() / 4)
      SendMessageW(list.window, LB_SETITEMDATA, static_cast<WPARAM>(index), list.data.itemValue(i));
  }
  SendMessageW(list.window, WM_SETREDRAW, TRUE, 0);
}

ComponentObject* createListBox(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                               uint32_t controlId, HMENU, int32_t left, int32_t top, int32_t width, int32_t height,
                               uint32_t windowId, uint32_t unitId, HWND, int32_t designMode) {
  auto* list = new ListBoxObject;
  if (!list->data.read(block, length > 0 ? static_cast<size_t>(length) : 0)) {
    delete list;
    return nullptr;
  }
  list->windowId = windowId;
  list->unitId = unitId;
  list->designMode = designMode != 0;
  makeBackBrush(*list);
  if (!makeChildWindow(*list, L"LISTBOX", L"", creationStyle(list->data, presetStyle), 0,
                       {parent, controlId, left, top, width, height})) {
    releaseBackBrush(*list);
    delete list;
    return nullptr;
  }
  list->classProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listBoxProcedure)));
  applyFont(list->window, list->data.font, list->font);
  addRowSpacing(*list);
  fillFromStoredItems(*list);
  selectStoredIndex(*list);
  applyBorderStyle(list->window, list->data.border);
  return list;
}

}  // namespace lp
