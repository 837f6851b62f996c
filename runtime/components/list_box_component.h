// The list box component (Core Library type 15): a LISTBOX with its items
// and item values stored in the template, and its three methods.
#pragma once
#include <cstdint>

#include "runtime/core/value.h"

namespace lp {

// The interface provider of the list box type.
void* listBoxInterface(int32_t number);

// (list box, index) -> the item's text; empty text for an index outside
// 0..count - 1.
void cmdListBoxGetItemText(ValueRecord* result, int32_t argc, ValueRecord* args);
// (list box, text, item value?) -> the new item's index, -1 when refused.
void cmdListBoxAddItem(ValueRecord* result, int32_t argc, ValueRecord* args);
// (list box) removes every item.
void cmdListBoxClear(ValueRecord* result, int32_t argc, ValueRecord* args);

}  // namespace lp
