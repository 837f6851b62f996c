// The common dialog: its filter and font conversions, its properties, and
// OpenDialog showing the real system dialogs, confirmed or cancelled.
#include <string>

#include "runtime/components/common_dialog.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/component_type.h"
#include "runtime/core/gbk.h"
#include "runtime/core/library_table.h"
#include "runtime/core/window_registry.h"
#include "tests/dialogs/modal_dialog_closer.h"
#include "tests/support/window_fixture.h"

namespace test {
namespace {

constexpr uint32_t kCommonDialogType = 0x0001001Fu;
const uint32_t kDialogUnit = componentId(1);

TEST(FilterList, EndsWithTwoZerosWhateverTheFilterEndsWith) {
  using namespace std::string_literals;
  EXPECT_EQ(lp::filterList("Text|*.txt"), "Text\0*.txt\0\0"s);
  EXPECT_EQ(lp::filterList("Text|*.txt|"), "Text\0*.txt\0\0\0"s);
  EXPECT_EQ(lp::filterList("Text|*.txt|All|*.*||"), "Text\0*.txt\0All\0*.*\0\0"s);
  EXPECT_EQ(lp::filterList(""), "");
}

TEST(FilterList, ABarInsideAChineseCharacterIsNoSeparator) {
  using namespace std::string_literals;
  // "亅" is 0x81 0x7C in GBK: its second byte is the byte of "|".
  const std::string filter = "\x81\x7C|*.a|";
  EXPECT_EQ(lp::filterList(filter), "\x81\x7C\0*.a\0\0\0"s);
  EXPECT_EQ(lp::filterList("x|\x81\x7C|"), "x\0\x81\x7C\0\0\0"s) << "a character ending in 0x7C is no \"||\"";
}

TEST(FirstFilterShown, IsTheIndexPlusOneWithAFilterAndZeroWithout) {
  lp::CommonDialogData d;
  d.filterIndex = 2;
  EXPECT_EQ(lp::firstFilterShown(d), 0u);
  d.filter = "a|*.a|b|*.b|c|*.c|";
  EXPECT_EQ(lp::firstFilterShown(d), 3u);
  d.filterIndex = -4;
  EXPECT_EQ(lp::firstFilterShown(d), 1u);
  d.filterIndex = 0x7FFFFFFF;
  EXPECT_EQ(lp::firstFilterShown(d), 0x80000000u);
}

TEST(FontConversion, SizeTwelveAtNinetySixDotsIsMinusSixteenAndBack) {
  lp::CommonDialogData d;
  d.fontSize = 12;
  d.bold = true;
  d.underline = true;
  d.fontName = "\xCB\xCE\xCC\xE5";  // 宋体
  const LOGFONTW font = lp::startingFont(d, 96);
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 0);
  EXPECT_EQ(font.lfUnderline, 1);
  EXPECT_EQ(std::wstring(font.lfFaceName), L"\u5B8B\u4F53");

  lp::CommonDialogData back;
  lp::takeChosenFont(back, font, RGB(1, 2, 3), 96);
  EXPECT_EQ(back.fontSize, 12);
  EXPECT_TRUE(back.bold);
  EXPECT_TRUE(back.underline);
  EXPECT_FALSE(back.italic);
  EXPECT_EQ(back.fontName, d.fontName);
  EXPECT_EQ(back.fontColor, RGB(1, 2, 3));
}

TEST(FontConversion, UnsetPropertiesLeaveTheFontZero) {
  const LOGFONTW font = lp::startingFont(lp::CommonDialogData(), 120);
  EXPECT_EQ(font.lfHeight, 0);
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(font.lfFaceName[0], L'\0');
}

TEST(FontConversion, SemiboldIsNotBoldAndAPositiveHeightCountsToo) {
  LOGFONTW font = {};
  font.lfWeight = 600;
  font.lfHeight = 20;
  lp::CommonDialogData d;
  d.bold = true;
  lp::takeChosenFont(d, font, 0, 120);
  EXPECT_FALSE(d.bold);
  EXPECT_EQ(d.fontSize, 12);
  font.lfWeight = 900;
  lp::takeChosenFont(d, font, 0, 120);
  EXPECT_TRUE(d.bold);
}

class CommonDialog : public WindowTest {
 protected:
  void loadWith(const lp::CommonDialogData& data) {
    setWindow(lp::WindowData());
    addComponent(1, kCommonDialogType, data.write(), 1);
    ASSERT_TRUE(load());
  }
  lp::ComponentObject* object() const {
    lp::WindowRecord* record = lp::findWindow(kWindowId);
    return record ? lp::liveObject(*record, lp::findUnit(*record, kDialogUnit)) : nullptr;
  }
  int32_t set(int32_t index, uintptr_t word) {
    auto setter = reinterpret_cast<lp::SetPropertyFn>(lp::commonDialogInterface(lp::kEntrySetProperty));
    lp::PropertyValue value{word, 0};
    int32_t flag = 1;
    return setter(object(), index, &value, &flag);
  }
  lp::PropertyValue get(int32_t index) const {
    auto getter = reinterpret_cast<lp::GetPropertyFn>(lp::commonDialogInterface(lp::kEntryGetProperty));
    lp::PropertyValue out{0, 0};
    EXPECT_EQ(getter(object(), index, &out), 1);
    return out;
  }
  uint32_t number(int32_t index) const { return static_cast<uint32_t>(get(index).word); }
  std::string text(int32_t index) const { return reinterpret_cast<const char*>(get(index).word); }
  // OpenDialog through the Core Library's command table.
  bool openDialog() const {
    lp::ValueRecord component{kWindowId, kDialogUnit, kCommonDialogType};
    lp::ValueRecord result{0, 0, 0};
    lp::kCoreLibraryInfo.commands[lp::kCmdOpenDialog](&result, 1, &component);
    EXPECT_EQ(result.type, lp::kLogical);
    return result.low != 0;
  }
};

TEST_F(CommonDialog, IsAHiddenChildOfItsOwnClassThatTheLoaderNeverShows) {
  loadWith(lp::CommonDialogData());
  HWND w = unitWindow(kDialogUnit);
  ASSERT_TRUE(IsWindow(w));
  EXPECT_EQ(GetParent(w), window());
  const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_TRUE(style & WS_CLIPSIBLINGS);
  EXPECT_FALSE(style & WS_VISIBLE);
  EXPECT_FALSE(style & WS_BORDER);
  EXPECT_EQ(GetClassLongPtrW(w, GCL_STYLE) & CS_DBLCLKS, static_cast<ULONG_PTR>(CS_DBLCLKS));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(w, GCLP_HBRBACKGROUND)), GetStockObject(NULL_BRUSH));
}

TEST_F(CommonDialog, WritesAreStoredClampedAndNeverRebuild) {
  loadWith(lp::CommonDialogData());
  EXPECT_EQ(set(lp::CommonDialogData::kDialogType, 7), 0);
  EXPECT_EQ(number(lp::CommonDialogData::kDialogType), 3u);
  EXPECT_EQ(set(lp::CommonDialogData::kHelpCommand, static_cast<uintptr_t>(-1)), 0);
  EXPECT_EQ(number(lp::CommonDialogData::kHelpCommand), 0u);
  EXPECT_EQ(set(lp::CommonDialogData::kFilterIndex, static_cast<uintptr_t>(-2)), 0);
  EXPECT_EQ(number(lp::CommonDialogData::kFilterIndex), 0u);
  EXPECT_EQ(set(lp::CommonDialogData::kFontSize, static_cast<uintptr_t>(-9)), 0);
  EXPECT_EQ(number(lp::CommonDialogData::kFontSize), 0u);
  const std::string name = "\xBF\xAC\xCC\xE5";  // 楷体
  EXPECT_EQ(set(lp::CommonDialogData::kFontName, reinterpret_cast<uintptr_t>(name.c_str())), 0);
  EXPECT_EQ(text(lp::CommonDialogData::kFontName), name);
  EXPECT_EQ(number(lp::CommonDialogData::kFileMustExist), 1u) << "defaults come from the template";
  lp::PropertyValue out{0, 0};
  auto getter = reinterpret_cast<lp::GetPropertyFn>(lp::commonDialogInterface(lp::kEntryGetProperty));
  EXPECT_EQ(getter(object(), lp::CommonDialogData::kPropertyCount, &out), 0);
}

TEST_F(CommonDialog, FontDialogConfirmedUnchangedGivesBackTheStartingFont) {
  lp::CommonDialogData d;
  d.dialogType = lp::CommonDialogData::kChooseFont;
  d.fontName = "Tahoma";
  d.fontSize = 12;
  d.bold = true;
  d.underline = true;
  d.fontColor = RGB(128, 0, 0);
  loadWith(d);
  ModalDialogCloser closer([](HWND dialog) { press(dialog, IDOK); });
  EXPECT_TRUE(openDialog());
  EXPECT_TRUE(closer.acted());
  EXPECT_EQ(text(lp::CommonDialogData::kFontName), "Tahoma");
  EXPECT_EQ(number(lp::CommonDialogData::kFontSize), 12u);
  EXPECT_EQ(number(lp::CommonDialogData::kBold), 1u);
  EXPECT_EQ(number(lp::CommonDialogData::kItalic), 0u);
  EXPECT_EQ(number(lp::CommonDialogData::kUnderline), 1u);
  EXPECT_EQ(number(lp::CommonDialogData::kStrikeOut), 0u);
  EXPECT_EQ(number(lp::CommonDialogData::kFontColor), static_cast<uint32_t>(RGB(128, 0, 0)));
}

TEST_F(CommonDialog, FontDialogTakesWhatTheUserChose) {
  lp::CommonDialogData d;
  d.dialogType = lp::CommonDialogData::kChooseFont;
  d.fontName = "Tahoma";
  d.fontSize = 10;
  loadWith(d);
  ModalDialogCloser closer([](HWND dialog) {
    // The style list holds regular, italic, bold, bold italic; the sizes
    // list is edited as text; strike-out is a check box.
    HWND styles = GetDlgItem(dialog, 0x471);
    SendMessageW(styles, CB_SETCURSEL, 3, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x471, CBN_SELCHANGE), reinterpret_cast<LPARAM>(styles));
    HWND strikeOut = GetDlgItem(dialog, 0x410);
    SendMessageW(strikeOut, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x410, BN_CLICKED), reinterpret_cast<LPARAM>(strikeOut));
    press(dialog, IDOK);
  });
  EXPECT_TRUE(openDialog());
  EXPECT_EQ(number(lp::CommonDialogData::kBold), 1u);
  EXPECT_EQ(number(lp::CommonDialogData::kItalic), 1u);
  EXPECT_EQ(number(lp::CommonDialogData::kStrikeOut), 1u);
  EXPECT_EQ(number(lp::CommonDialogData::kFontSize), 10u);
}

TEST_F(CommonDialog, CancelledFontDialogChangesNothingAndIsFalse) {
  lp::CommonDialogData d;
  d.dialogType = lp::CommonDialogData::kChooseFont;
  d.fontName = "Tahoma";
  d.fontSize = 14;
  d.fontColor = RGB(0, 0, 128);
  loadWith(d);
  ModalDialogCloser closer([](HWND dialog) {
    HWND styles = GetDlgItem(dialog, 0x471);
    SendMessageW(styles, CB_SETCURSEL, 2, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x471, CBN_SELCHANGE), reinterpret_cast<LPARAM>(styles));
    press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(openDialog());
  EXPECT_TRUE(closer.acted());
  EXPECT_EQ(text(lp::CommonDialogData::kFontName), "Tahoma");
  EXPECT_EQ(number(lp::CommonDialogData::kFontSize), 14u);
  EXPECT_EQ(number(lp::CommonDialogData::kFontColor), static_cast<uint32_t>(RGB(0, 0, 128)));
  EXPECT_EQ(number(lp::CommonDialogData::kBold), 0u);
}

std::string temporaryFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
  return path;
}

TEST_F(CommonDialog, OpenFileDialogShowsTitleAndFiltersAndGivesTheChosenPath) {
  const std::string path = temporaryFile("lp-dialog-open.txt");
  lp::CommonDialogData d;
  d.dialogType = lp::CommonDialogData::kOpenFile;
  d.title = "\xB4\xF2\xBF\xAA";  // 打开
  d.filter = "\xCE\xC4\xB1\xBE|*.txt|All|*.*";
  d.filterIndex = 1;
  d.fileName = path;
  loadWith(d);
  LRESULT filterCount = -1, filterShown = -1;
  ModalDialogCloser closer([&](HWND dialog) {
    HWND filters = GetDlgItem(dialog, 0x470);
    filterCount = SendMessageW(filters, CB_GETCOUNT, 0, 0);
    filterShown = SendMessageW(filters, CB_GETCURSEL, 0, 0);
    press(dialog, IDOK);
  });
  EXPECT_TRUE(openDialog());
  EXPECT_EQ(closer.title(), L"\u6253\u5F00");
  EXPECT_EQ(filterCount, 2);
  EXPECT_EQ(filterShown, 1);
  EXPECT_EQ(lp::gbkToWide(text(lp::CommonDialogData::kFileName)), lp::gbkToWide(path));
  DeleteFileA(path.c_str());
}

TEST_F(CommonDialog, CancelledFileDialogKeepsTheFileName) {
  lp::CommonDialogData d;
  d.dialogType = lp::CommonDialogData::kSaveFile;
  d.fileName = "notes.txt";
  loadWith(d);
  ModalDialogCloser closer([](HWND dialog) { press(dialog, IDCANCEL); });
  EXPECT_FALSE(openDialog());
  EXPECT_TRUE(closer.acted());
  EXPECT_EQ(text(lp::CommonDialogData::kFileName), "notes.txt");
}

TEST_F(CommonDialog, HelpWithAMissingFileIsFalseAndQuittingHelpIsTrue) {
  lp::CommonDialogData d;
  d.dialogType = lp::CommonDialogData::kHelp;
  d.helpFile = "C:\\no such folder\\missing.hlp";
  d.helpCommand = 1;
  d.helpContext = 5;
  loadWith(d);
  EXPECT_FALSE(openDialog());
  set(lp::CommonDialogData::kHelpFile, reinterpret_cast<uintptr_t>(""));
  EXPECT_FALSE(openDialog()) << "the program's own help file does not exist either";
  set(lp::CommonDialogData::kHelpCommand, 5);
  EXPECT_TRUE(openDialog());
}

}  // namespace
}  // namespace test
