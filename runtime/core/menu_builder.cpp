#include "runtime/core/menu_builder.h"

#include "runtime/core/gbk.h"

namespace lp {

HotKey hotKey(int32_t index) {
  if (index >= 1 && index <= 26) {
    char letter = static_cast<char>('A' + index - 1);
    return {std::string("Ctrl+") + letter, FCONTROL, static_cast<WORD>(letter)};
  }
  if (index >= 27 && index <= 74) {
    static const char* const kPrefixes[] = {"", "Ctrl+", "Shift+", "Ctrl+Shift+"};
    static const BYTE kFlags[] = {0, FCONTROL, FSHIFT, FCONTROL | FSHIFT};
    int group = (index - 27) / 12;
    int f = (index - 27) % 12 + 1;
    return {std::string(kPrefixes[group]) + "F" + std::to_string(f), kFlags[group],
            static_cast<WORD>(VK_F1 + f - 1)};
  }
  if (index == 75) return {"Ins", 0, VK_INSERT};
  if (index == 76) return {"Del", 0, VK_DELETE};
  if (index == 77) return {"-", 0, 0};
  return {"", 0, 0};
}

namespace {

struct Builder {
  const std::vector<const MenuUnit*>& items;
  BuiltMenu& result;
  std::vector<ACCEL> accelerators;

  static void append(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) {
    std::wstring wide = gbkToWide(text);
    AppendMenuW(menu, flags, id, wide.c_str());
  }

  // Fills `menu` from items[i] on while their level is above `parentLevel`;
  // returns the position after the last item taken.
  size_t fill(HMENU menu, size_t i, int32_t parentLevel, bool skipped) {
    while (i < items.size() && items[i]->level > parentLevel) {
      const MenuUnit& item = *items[i];
      const size_t position = i;
      const bool hidden = skipped || (item.flags & kMenuHidden) != 0;
      const bool dropDown = item.level == 0 ||
                            (i + 1 < items.size() && items[i + 1]->level > item.level);
      if (dropDown) {
        HMENU popup = CreatePopupMenu();
        result.dropDowns[position] = popup;
        i = fill(popup, i + 1, item.level, hidden);
        if (hidden) {
          DestroyMenu(popup);
          result.dropDowns[position] = nullptr;
        } else {
          append(menu, MF_POPUP | ((item.flags & kMenuDisabled) ? MF_GRAYED : 0),
                 reinterpret_cast<UINT_PTR>(popup), item.caption);
        }
        continue;
      }
      ++i;
      if (hidden) continue;
      const UINT id = kFirstMenuCommand + static_cast<UINT>(position);
      if (item.caption == "-") {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      HotKey key = hotKey(item.hotKey);
      std::string text = item.caption;
      if (!key.name.empty()) text += "\t" + key.name;
      append(menu, MF_STRING | ((item.flags & kMenuChecked) ? MF_CHECKED : 0) |
                       ((item.flags & kMenuDisabled) ? MF_GRAYED : 0),
             id, text);
      if (key.key != 0) {
        accelerators.push_back({static_cast<BYTE>(key.flags | FVIRTKEY | FNOINVERT), key.key,
                                static_cast<WORD>(id)});
      }
    }
    return i;
  }
};

}  // namespace

BuiltMenu buildMenu(const std::vector<const MenuUnit*>& items) {
  BuiltMenu result;
  if (items.empty()) return result;
  result.dropDowns.assign(items.size(), nullptr);
  result.bar = CreateMenu();
  Builder builder{items, result, {}};
  // Items above level 0 at the start have no entry to hang from: skip them.
  size_t i = 0;
  while (i < items.size()) {
    size_t next = builder.fill(result.bar, i, -1, false);
    i = next > i ? next : i + 1;
  }
  if (!builder.accelerators.empty()) {
    result.accelerators =
        CreateAcceleratorTableW(builder.accelerators.data(), static_cast<int>(builder.accelerators.size()));
  }
  return result;
}

}  // namespace lp
