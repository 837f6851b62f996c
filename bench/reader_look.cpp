#include "bench/reader_look.h"

#include <commctrl.h>

namespace bench {

HFONT readerFont() {
  return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_STROKE_PRECIS,
                     CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH, L"宋体");
}

HWND makeReaderList(HWND parent, int x, int y, int width, int height, HFONT font) {
  HWND list = CreateWindowExW(WS_EX_STATICEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | LVS_REPORT, x,
                              y, width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!list) return nullptr;
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE |
                   LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES);
  const wchar_t* const titles[] = {L"福音卷书", L"章", L"节", L"对应经文"};
  const int widths[] = {120, 70, 70, 295};
  for (int c = 0; c < 4; ++c) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(titles[c]);
    column.cx = widths[c];
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 3, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
  return list;
}

}  // namespace bench
