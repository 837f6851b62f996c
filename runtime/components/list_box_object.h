// The live list box: its properties and the run-time state kept beside them.
// Shared by the list_box_*.cpp files only.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

#include "runtime/components/list_box_data.h"
#include "runtime/core/component_object.h"

namespace lp {

// Repainting a visible list after every added item is slow under Wine, so a
// fill runs with redraw off and repaints at most every kRepaintInterval ms
// and once it has ended (no item added for one interval). Whoever reads or
// changes the list through the component ends the batch first.
struct RedrawBatch {
  bool active = false;
  bool dirty = false;       // items were added since the last repaint
  bool redrawOff = false;   // between the batch's repaints
  DWORD lastRepaint = 0;
};

struct ListBoxObject : ComponentObject {
  ListBoxData data;
  bool designMode = false;
  WNDPROC classProcedure = nullptr;  // the LISTBOX class's, which ours replaces
  HBRUSH backBrush = nullptr;        // null: the system face brush (ClrDefault)
  HFONT font = nullptr;              // the font created from the Font property
  RedrawBatch batch;
  std::vector<uint8_t> itemsScratch;  // what getProperty of Items hands out
};

constexpr UINT kRepaintInterval = 100;
constexpr UINT_PTR kRepaintTimer = 0x4C42;

// The list box object of a window handle; null for any other window.
ListBoxObject* listBoxObjectOf(HWND window);

// The create entry (list_box_create.cpp) and what the procedure undoes.
ComponentObject* createListBox(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                               uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                               int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                               int32_t designMode);
void forgetListBoxObject(ListBoxObject& list);

// Looks (list_box_looks.cpp).
void makeBackBrush(ListBoxObject& list);
void releaseBackBrush(ListBoxObject& list);
// Row height: the font's item height plus RowSpacing.
void addRowSpacing(ListBoxObject& list);
// A new Font property keeps RowSpacing on top of the new font's height.
void changeListFont(ListBoxObject& list, const std::vector<uint8_t>& font);
void changeRowSpacing(ListBoxObject& list, int32_t spacing);
LRESULT listColours(ListBoxObject& list, HDC dc);

// The stored items with their values, in order (list_box_create.cpp).
void fillFromStoredItems(ListBoxObject& list);

// Batched redraw (list_box_redraw.cpp).
void beginBatch(ListBoxObject& list);
void itemAdded(ListBoxObject& list);
void batchTimer(ListBoxObject& list);
void endBatch(ListBoxObject& list);
// A paint request from outside while redraw is off: paints the current list.
LRESULT paintDuringBatch(ListBoxObject& list, WPARAM wParam, LPARAM lParam);

// The procedure that subclasses the LISTBOX class (list_box_procedure.cpp).
LRESULT CALLBACK listBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lp
