// The second start-up reference: the reader's main window as it stands at
// start, made with plain Win32 calls and no runtime. It loads the same
// system DLLs, initialises OLE, opens the database through ODBC and asks it
// one question, and shows the same menu and controls with their texts,
// fonts and the 66 book names. What the reader takes beyond this program is
// what its runtime costs.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "bench/reader_look.h"
#include "bench/reference_query.h"

namespace {

enum Kind { kStatic, kEdit, kMultiLineEdit, kList, kReport, kButton };

struct Control {
  Kind kind;
  int x, y, width, height;
  const wchar_t* text;
};

// Positions and texts of the reader's window template; the database and
// font dialog components have no window.
const Control kControls[] = {
    {kStatic, 8, 8, 30, 20, L"福音："},        {kEdit, 48, 8, 104, 20, L""},
    {kStatic, 176, 8, 20, 20, L"章："},         {kEdit, 200, 8, 32, 20, L""},
    {kStatic, 256, 8, 20, 20, L"节："},         {kEdit, 280, 8, 32, 20, L""},
    {kStatic, 329, 10, 295, 16, L"━━━━━━━━━━━━━━━━━━━━━━━━━━"}, {kStatic, 640, 8, 20, 20, L"章："},
    {kEdit, 672, 8, 32, 20, L""},               {kStatic, 718, 8, 20, 20, L"节："},
    {kEdit, 744, 8, 32, 20, L""},               {kList, 48, 32, 104, 144, L""},
    {kReport, 175, 32, 601, 145, L""},          {kStatic, 16, 189, 88, 20, L"经文模糊搜索："},
    {kEdit, 106, 189, 176, 20, L""},            {kButton, 295, 189, 64, 20, L"模糊搜索"},
    {kButton, 374, 189, 61, 20, L"设置字体"},   {kStatic, 503, 189, 111, 20, L""},
    {kButton, 639, 189, 137, 20, L"将结果全部显示"}, {kMultiLineEdit, 16, 224, 760, 208, L""},
    {kStatic, 17, 441, 536, 40, L"经文预览："},           {kButton, 570, 441, 85, 40, L"复制结果"},
    {kButton, 688, 441, 85, 40, L"全部清空"},
};

const wchar_t* const kBooks[] = {
    L"创世记", L"出埃及记", L"利未记", L"民数记", L"申命记", L"约书亚记", L"士师记", L"路得记", L"撒母耳记上",
    L"撒母耳记下", L"列王纪上", L"列王纪下", L"历代志上", L"历代志下", L"以斯拉记", L"尼希米记", L"以斯帖记",
    L"约伯记", L"诗篇", L"箴言", L"传道书", L"雅歌", L"以赛亚书", L"耶利米书", L"耶利米哀歌", L"以西结书",
    L"但以理书", L"何西阿书", L"约珥书", L"阿摩司书", L"俄巴底亚书", L"约拿书", L"弥迦书", L"那鸿书",
    L"哈巴谷书", L"西番雅书", L"哈该书", L"撒迦利亚书", L"玛拉基书", L"马太福音", L"马可福音", L"路加福音",
    L"约翰福音", L"使徒行传", L"罗马书", L"哥林多前书", L"哥林多后书", L"加拉太书", L"以弗所书", L"腓立比书",
    L"歌罗西书", L"帖撒罗尼迦前书", L"帖撒罗尼迦后书", L"提摩太前书", L"提摩太后书", L"提多书", L"腓利门书",
    L"希伯来书", L"雅各书", L"彼得前书", L"彼得后书", L"约翰一书", L"约翰二书", L"约翰三书", L"犹大书", L"启示录"};

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HMENU makeMenu() {
  HMENU settings = CreatePopupMenu();
  const wchar_t* const items[] = {L"保存设置\tCtrl+S", L"还原软件", nullptr, L"全屏模式", L"普通模式", nullptr,
                                  L"全屏显示章节部分", nullptr, L"退出软件\tCtrl+Q"};
  UINT id = 100;
  for (const wchar_t* item : items) {
    if (item) {
      AppendMenuW(settings, MF_STRING, id++, item);
    } else {
      AppendMenuW(settings, MF_SEPARATOR, 0, nullptr);
    }
  }
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), L"软件设置(F1)");
  return bar;
}

HWND makeControl(HWND parent, const Control& c, HFONT font) {
  if (c.kind == kReport) return bench::makeReaderList(parent, c.x, c.y, c.width, c.height, font);
  static const wchar_t* const kClasses[] = {L"STATIC", L"EDIT", L"EDIT", L"LISTBOX", nullptr, L"BUTTON"};
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, extended = 0;
  switch (c.kind) {
    case kStatic: break;
    case kEdit: style |= WS_TABSTOP | ES_AUTOHSCROLL; extended = WS_EX_CLIENTEDGE; break;
    case kMultiLineEdit: style |= WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL; extended = WS_EX_CLIENTEDGE; break;
    case kList: style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY; extended = WS_EX_CLIENTEDGE; break;
    case kReport: break;
    case kButton: style |= WS_TABSTOP | BS_PUSHBUTTON; break;
  }
  HWND w = CreateWindowExW(extended, kClasses[c.kind], c.text, style, c.x, c.y, c.width, c.height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (c.kind == kList) {
    for (const wchar_t* book : kBooks) SendMessageW(w, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(book));
  }
  return w;
}

// The database the reader opens at start, in the same TEMP folder, asked
// the same question.
bool openDatabase(bench::ReferenceConnection& db) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return db.open(std::string(folder) + "lumenpath.kx") && db.run("select * from [word]").ok;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW cls = {};
  cls.lpfnWndProc = procedure;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"BenchControlsWindow";
  RegisterClassW(&cls);
  HWND window = CreateWindowW(L"BenchControlsWindow", L"光路圣经阅读器 1.0", WS_OVERLAPPEDWINDOW, 0, 0, 800, 550,
                              nullptr, makeMenu(), instance, nullptr);
  const HFONT font = bench::readerFont();
  for (const Control& c : kControls) makeControl(window, c, font);
  bench::ReferenceConnection db;
  if (!openDatabase(db)) return 1;
  RECT r;
  GetWindowRect(window, &r);
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  OleUninitialize();
  return 0;
}
