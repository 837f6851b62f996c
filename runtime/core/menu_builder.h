// Building a window's menu bar and accelerator table from its flat list of
// menu units. Each unit, shown or not, takes the command identifier 20000
// plus its position among the window's menu units.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "runtime/core/template_format.h"

namespace lp {

constexpr UINT kFirstMenuCommand = 20000;
constexpr UINT kLastMenuCommand = 57599;

struct HotKey {
  std::string name;  // shown after a tab in the caption; empty: none
  BYTE flags;        // FCONTROL / FSHIFT
  WORD key;          // 0: no accelerator is made
};
// Index 1..77 of the hot-key table; other indexes give an empty entry.
HotKey hotKey(int32_t index);

struct BuiltMenu {
  HMENU bar = nullptr;
  HACCEL accelerators = nullptr;
  std::vector<HMENU> dropDowns;  // per menu unit: its drop-down, or null
};

// Builds from the menu units in list order. The bar is absent when there are
// no menu units; the accelerator table when no hot key makes one.
BuiltMenu buildMenu(const std::vector<const MenuUnit*>& items);

}  // namespace lp
