#include "bench/reference_fill.h"

#include <commctrl.h>

#include "bench/figures.h"
#include "bench/reader_look.h"
#include "runtime/core/gbk.h"

namespace bench {
namespace {

constexpr DWORD kShowInterval = 100;

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Redraw off while filling, on again at most every 100 ms and at the end.
class BatchedRedraw {
 public:
  explicit BatchedRedraw(HWND control) : control_(control), lastShown_(GetTickCount()) {
    SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
  }
  ~BatchedRedraw() { show(); }
  void step() {
    pump();
    if (GetTickCount() - lastShown_ < kShowInterval) return;
    show();
    SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
  }

 private:
  void show() {
    SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    lastShown_ = GetTickCount();
  }
  HWND control_;
  DWORD lastShown_;
};

std::wstring cell(const std::vector<std::string>& row, int column) {
  return column >= 0 && static_cast<size_t>(column) < row.size() ? lp::gbkToWide(row[column]) : std::wstring();
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool ReferenceWindow::create() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW cls = {};
  cls.lpfnWndProc = windowProcedure;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"BenchReferenceWindow";
  RegisterClassW(&cls);
  window_ = CreateWindowW(L"BenchReferenceWindow", L"Reference", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 800, 550,
                          nullptr, nullptr, cls.hInstance, nullptr);
  const HFONT font = readerFont();
  const DWORD child = WS_CHILD | WS_VISIBLE | WS_BORDER;
  list_ = makeReaderList(window_, 175, 32, 601, 145, font);
  books_ = CreateWindowW(L"LISTBOX", L"", child | WS_VSCROLL | LBS_NOTIFY, 48, 32, 104, 144, window_, nullptr,
                         cls.hInstance, nullptr);
  lines_ = CreateWindowW(L"EDIT", L"", child | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 16, 224, 760, 208,
                         window_, nullptr, cls.hInstance, nullptr);
  if (!list_ || !books_ || !lines_) return false;
  SendMessageW(lines_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(lines_, EM_SETLIMITTEXT, 0, 0);
  UpdateWindow(window_);
  pump();
  return true;
}

double ReferenceWindow::fillReport(const FetchedRows& fetched) {
  const long long start = nowTicks();
  const int columns[] = {fetched.column("juan"), fetched.column("zhang"), fetched.column("jie"),
                         fetched.column("jingwen")};
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  {
    BatchedRedraw batch(list_);
    for (const auto& row : fetched.rows) {
      std::wstring text = cell(row, columns[0]);
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
      item.pszText = &text[0];
      const int index = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
      for (int c = 1; c < 4; ++c) {
        std::wstring sub = cell(row, columns[c]);
        LVITEMW subItem = {};
        subItem.iSubItem = c;
        subItem.pszText = &sub[0];
        SendMessageW(list_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&subItem));
      }
      batch.step();
    }
  }
  pump();
  return millisecondsSince(start);
}

double ReferenceWindow::fillBooks(const FetchedRows& fetched) {
  const long long start = nowTicks();
  const int column = fetched.column("guanjianzi");
  SendMessageW(books_, LB_RESETCONTENT, 0, 0);
  {
    BatchedRedraw batch(books_);
    for (const auto& row : fetched.rows) {
      const std::wstring text = cell(row, column);
      SendMessageW(books_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      batch.step();
    }
  }
  pump();
  return millisecondsSince(start);
}

double ReferenceWindow::fillLines(const FetchedRows& fetched) {
  const long long start = nowTicks();
  const int columns[] = {fetched.column("juan"), fetched.column("zhang"), fetched.column("jie"),
                         fetched.column("jingwen")};
  SetWindowTextW(lines_, L"");
  std::wstring pending;
  DWORD lastShown = GetTickCount();
  auto flush = [&] {
    const LRESULT end = SendMessageW(lines_, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(lines_, EM_SETSEL, end, end);
    SendMessageW(lines_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pending.c_str()));
    SendMessageW(lines_, EM_SCROLLCARET, 0, 0);
    pending.clear();
    lastShown = GetTickCount();
  };
  for (const auto& row : fetched.rows) {
    pending += cell(row, columns[0]) + L"-" + cell(row, columns[1]) + L":" + cell(row, columns[2]) + L" " +
               cell(row, columns[3]) + L"\r\n";
    pump();
    if (GetTickCount() - lastShown >= kShowInterval) flush();
  }
  flush();
  UpdateWindow(lines_);
  pump();
  return millisecondsSince(start);
}

}  // namespace bench
