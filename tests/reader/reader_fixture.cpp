#include "tests/reader/reader_fixture.h"

#include <commctrl.h>

#include "app/reader_globals.h"
#include "runtime/core/component_object.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/gbk.h"
#include "tests/reader/window_text.h"
#include "runtime/core/message_loop.h"
#include "runtime/core/message_pump.h"
#include "runtime/core/window_registry.h"

namespace readertest {
namespace {

struct FindClass {
  const char* className;
  HWND found;
};

bool hasClass(HWND w, const char* className) {
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  return lstrcmpiA(cls, className) == 0;
}

BOOL CALLBACK findChildOfClass(HWND w, LPARAM lParam) {
  auto* search = reinterpret_cast<FindClass*>(lParam);
  if (hasClass(w, search->className)) {
    search->found = w;
    return FALSE;
  }
  return TRUE;
}

std::string listViewCell(HWND list, int row, int column) {
  wchar_t buffer[1024] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 1024;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return lp::wideToGbk(buffer);
}

}  // namespace

void ReaderTest::SetUpTestSuite() {
  static bool initialised = false;
  if (initialised) return;
  initialised = true;
  rememberRealTemp();
  lp_entry_services.runtimeService(lp::kServiceInitialise, 0, 0, 0, 0);
  reader::initialiseGlobals();
}

std::string ReaderTest::fixture() const { return LP_FIXTURE_PASSAGES; }

void ReaderTest::SetUp() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  tempFolder = freshFolder(std::string(info->test_suite_name()) + "-" + info->name());
  writeFile(tempFolder + "lumenpath.kx", readFile(fixture()));
  SetEnvironmentVariableA("TMP", tempFolder.c_str());
  SetEnvironmentVariableA("TEMP", tempFolder.c_str());
  SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(settingsPath().c_str());
  loadMainWindow();
}

void ReaderTest::TearDown() {
  closeMainWindow();
  SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(settingsPath().c_str());
}

void ReaderTest::loadMainWindow() {
  lp_entry_services.loadStartWindow(kMainWindow);
  pump();
}

void ReaderTest::closeMainWindow() {
  for (uint32_t window : {kReadingWindow, kMainWindow}) {
    if (HWND w = unitWindow(0, window)) DestroyWindow(w);
  }
  pump();
  // The last window gone posts the quit message; the next test starts anew.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

HWND ReaderTest::unitWindow(uint32_t unit, uint32_t window) const {
  lp::WindowRecord* record = lp::findWindow(window);
  if (!record) return nullptr;
  int index = lp::findUnit(*record, unit);
  if (index < 0) return nullptr;
  lp::ComponentObject* object = lp::liveObject(*record, index);
  return object ? object->window : nullptr;
}

HWND ReaderTest::control(uint32_t unit, const char* className, uint32_t window) const {
  HWND w = unitWindow(unit, window);
  if (!w || hasClass(w, className)) return w;
  FindClass search = {className, nullptr};
  EnumChildWindows(w, findChildOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found ? search.found : w;
}

bool ReaderTest::isPlaceholder(uint32_t unit, uint32_t window) const {
  HWND w = unitWindow(unit, window);
  return !w || hasClass(w, "LumenPathPlaceholder");
}

void ReaderTest::pump() {
  // Through the runtime's own pump, which offers key messages to the window
  // before dispatch; messages posted while handling others are handled too;
  // once the queue is empty the idle handlers run, as in the program's loop.
  for (int round = 0; round < 3; ++round) {
    MSG msg;
    for (int i = 0; i < 500 && PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i) {
      if (msg.message == WM_QUIT || !lp::pumpMessage()) return;
    }
    lp::runIdleHandlers();
    Sleep(10);
  }
}

void ReaderTest::setText(uint32_t unit, const std::string& gbk, uint32_t window) {
  SetWindowTextW(control(unit, "Edit", window), lp::gbkToWide(gbk).c_str());
  pump();
}

std::string ReaderTest::text(uint32_t unit, uint32_t window) const {
  return windowTextOf(control(unit, "Edit", window));
}

void ReaderTest::pressEnter(uint32_t unit) {
  HWND edit = control(unit, "Edit");
  SetFocus(edit);
  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
  pump();
}

void ReaderTest::click(uint32_t unit) {
  SendMessageW(control(unit, "Button"), BM_CLICK, 0, 0);
  pump();
}

void ReaderTest::chooseMenu(UINT position) {
  PostMessageW(unitWindow(0), WM_COMMAND, MAKEWPARAM(20000 + position, 0), 0);
  pump();
}

int32_t ReaderTest::propertyInt(uint32_t unit, int32_t property, int32_t member, uint32_t window) const {
  return static_cast<int32_t>(lp_entry_services.readProperty(window, unit, property, member));
}

std::string ReaderTest::propertyText(uint32_t unit, int32_t property, uint32_t window) const {
  uint64_t word = lp_entry_services.readProperty(window, unit, property, -1);
  auto* text = reinterpret_cast<char*>(static_cast<uintptr_t>(word));
  std::string result = text ? text : "";
  lp_entry_services.free(text);
  return result;
}

Geometry ReaderTest::geometry(uint32_t unit, uint32_t window) const {
  return {propertyInt(unit, 0, -1, window), propertyInt(unit, 1, -1, window), propertyInt(unit, 2, -1, window),
          propertyInt(unit, 3, -1, window)};
}

std::vector<std::string> ReaderTest::rows() const {
  HWND list = control(kResultList, WC_LISTVIEWA);
  std::vector<std::string> result;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    result.push_back(listViewCell(list, row, 0) + "|" + listViewCell(list, row, 1) + "|" +
                     listViewCell(list, row, 2) + "|" + listViewCell(list, row, 3));
  }
  return result;
}

std::vector<std::string> ReaderTest::references() const {
  HWND list = control(kResultList, WC_LISTVIEWA);
  std::vector<std::string> result;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    result.push_back(listViewCell(list, row, 0) + " " + listViewCell(list, row, 1) + ":" + listViewCell(list, row, 2));
  }
  return result;
}

std::vector<std::string> ReaderTest::bookItems() const {
  HWND list = control(kBookList, "ListBox");
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t buffer[256] = {};
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
    items.push_back(lp::wideToGbk(buffer));
  }
  return items;
}

}  // namespace readertest
