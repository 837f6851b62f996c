// Reader settings: the nine keys written in order, the save failure reported,
// restore deleting the file, and saved settings applied at the next start.
#include <windows.h>

#include "runtime/core/entry_services.h"
#include "tests/reader/modal_answerer.h"
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;

const char kSaveFailurePrefix[] = "软件设置未能保存，无法写入设置文件：";

std::string iniValue(const char* section, const char* key) {
  char buffer[256] = {};
  GetPrivateProfileStringA(section, key, "<none>", buffer, sizeof buffer, settingsPath().c_str());
  return buffer;
}

using Names = std::vector<std::string>;

// Section names (section null) or the keys of a section, in file order.
Names names(const char* section) {
  char buffer[4096] = {};
  const std::string path = settingsPath();
  if (section) {
    GetPrivateProfileStringA(section, nullptr, "", buffer, sizeof buffer, path.c_str());
  } else {
    GetPrivateProfileSectionNamesA(buffer, sizeof buffer, path.c_str());
  }
  Names result;
  for (const char* p = buffer; *p; p += lstrlenA(p) + 1) result.push_back(p);
  return result;
}

class Settings : public ReaderTest {
 protected:
  std::string faceName() const {
    uint64_t word = lp_entry_services.readProperty(kMainWindow, kResultBox, 12, 6);
    auto* text = reinterpret_cast<char*>(static_cast<uintptr_t>(word));
    std::string face = text ? text : "";
    lp_entry_services.free(text);
    return face;
  }
  void writeFontMember(int32_t member, const char* value) {
    lp_entry_services.writeProperty(kMainWindow, kResultBox, 12, member,
                                    static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value)),
                                    static_cast<uint32_t>(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(value)) >> 32));
  }
};

TEST_F(Settings, SaveWritesTheNineKeysInOrderAndReportsSuccess) {
  ModalAnswerer answerer;
  chooseMenu(kSaveSettings);
  ASSERT_EQ(answerer.dialogs.size(), 1u);
  EXPECT_EQ(answerer.dialogs[0].first, "提示:");
  EXPECT_EQ(answerer.dialogs[0].second, "软件保持设置成功!");
  EXPECT_EQ(names(nullptr), (Names{"皮肤设置", "字体设置", "颜色背景"}));
  EXPECT_EQ(names("皮肤设置"), (Names{"当前皮肤"}));
  EXPECT_EQ(names("字体设置"),
            (Names{"字体加粗", "字体倾斜", "字体删除线", "字体下划线", "字体大小", "字体颜色", "字体名称"}));
  EXPECT_EQ(names("颜色背景"), (Names{"显示背景"}));
  EXPECT_EQ(iniValue("皮肤设置", "当前皮肤"), "");
}

TEST_F(Settings, SaveThatCannotWriteReportsFailureWithThePath) {
  // A folder in the file's place cannot be written (file permissions do not
  // stop the tests, which run with full rights).
  ASSERT_TRUE(CreateDirectoryA(settingsPath().c_str(), nullptr));
  ModalAnswerer answerer;
  chooseMenu(kSaveSettings);
  RemoveDirectoryA(settingsPath().c_str());
  ASSERT_EQ(answerer.dialogs.size(), 1u);
  EXPECT_EQ(answerer.dialogs[0].second, std::string(kSaveFailurePrefix) + settingsPath());
}

TEST_F(Settings, RestoreDeletesTheFileAndSaveCreatesItAgain) {
  ModalAnswerer answerer;
  chooseMenu(kSaveSettings);
  ASSERT_NE(GetFileAttributesA(settingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
  chooseMenu(kRestoreDefaults);
  EXPECT_EQ(GetFileAttributesA(settingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
  chooseMenu(kSaveSettings);
  EXPECT_NE(GetFileAttributesA(settingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(answerer.dialogs.size(), 3u);
  EXPECT_EQ(answerer.dialogs[1].first, "Message");
  EXPECT_EQ(answerer.dialogs[1].second, "软件已恢复到初始化设置，下次打开即可看到效果!");
}

TEST_F(Settings, SavedSettingsApplyAtTheNextStart) {
  REQUIRE_COMPONENTS(kResultBox);
  closeMainWindow();
  const std::string path = settingsPath();
  WritePrivateProfileStringA("字体设置", "字体加粗", "真", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体倾斜", " 真　", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体删除线", "真", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体下划线", "yes", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体大小", "12", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体颜色", "255", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体名称", "黑体", path.c_str());
  WritePrivateProfileStringA("颜色背景", "显示背景", "65280", path.c_str());
  loadMainWindow();
  EXPECT_EQ(propertyInt(kResultBox, 12, 1), 1);  // bold
  EXPECT_EQ(propertyInt(kResultBox, 12, 2), 1);  // italic
  EXPECT_EQ(propertyInt(kResultBox, 12, 4), 1);  // strike-out
  EXPECT_EQ(propertyInt(kResultBox, 12, 3), 0);  // underline: "yes" is false
  // The saved size holds at the template width.
  EXPECT_EQ(propertyInt(kResultBox, 12, 5), 12);
  EXPECT_EQ(faceName(), "黑体");
  EXPECT_EQ(propertyInt(kResultBox, 10), 255);
  EXPECT_EQ(propertyInt(kResultBox, 11), 65280);
}

TEST_F(Settings, FontDialogConfirmedSetsTheResultBoxAndCancelledChangesNothing) {
  REQUIRE_COMPONENTS(kResultBox, kFontButton, 0x16010CC0u);
  writeFontMember(6, "黑体");
  {
    ModalAnswerer cancel(IDCANCEL);
    click(kFontButton);
    ASSERT_EQ(cancel.dialogs.size(), 1u);
  }
  EXPECT_EQ(faceName(), "黑体");
  {
    // Confirmed at the dialog's template values: 宋体, 9 points, white.
    ModalAnswerer confirm(IDOK);
    click(kFontButton);
    ASSERT_EQ(confirm.dialogs.size(), 1u);
  }
  EXPECT_EQ(faceName(), "宋体");
  EXPECT_EQ(propertyInt(kResultBox, 12, 5), 9);
  EXPECT_EQ(propertyInt(kResultBox, 10), 0xFFFFFF);
}

TEST_F(Settings, NoFileKeepsTheTemplateFontAndColours) {
  REQUIRE_COMPONENTS(kResultBox);
  EXPECT_EQ(propertyInt(kResultBox, 10), 0xFFFFFF);
  EXPECT_EQ(propertyInt(kResultBox, 11), 0);
  EXPECT_EQ(propertyInt(kResultBox, 12, 1), 0);
}

}  // namespace

TEST_F(Settings, ColourPickedByKeyboardBecomesTheResultBoxBackground) {
  REQUIRE_COMPONENTS(kResultBox, kColourPicker);
  const int32_t before = propertyInt(kResultBox, 11);
  HWND picker = unitWindow(kColourPicker);
  ASSERT_NE(picker, nullptr);
  // The click as the form hears it; the palette then takes the keyboard.
  SendMessageW(unitWindow(0), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(picker), BN_CLICKED),
               reinterpret_cast<LPARAM>(picker));
  HWND palette = FindWindowW(L"ColourPickerPalette", nullptr);
  ASSERT_NE(palette, nullptr);
  // Two to the right and one down in the grid of eight: blue.
  for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}) SendMessageW(palette, WM_KEYDOWN, key, 0);
  pump();
  EXPECT_EQ(FindWindowW(L"ColourPickerPalette", nullptr), nullptr);
  EXPECT_NE(before, 0xFF0000);
  EXPECT_EQ(propertyInt(kResultBox, 11), 0xFF0000);
}

TEST_F(Settings, DamagedOrHandEditedFileKeepsTheDefaultsForWhatItCannotGive) {
  constexpr uint32_t kFontDialog = 0x16010CC0u;
  const std::string path = settingsPath();
  const int32_t back = propertyInt(kResultBox, 11);
  closeMainWindow();
  WritePrivateProfileStringA("字体设置", "字体大小", "99999999999", path.c_str());
  WritePrivateProfileStringA("字体设置", "字体颜色", "abc", path.c_str());
  WritePrivateProfileStringA("颜色背景", "显示背景", "-5", path.c_str());
  loadMainWindow();
  EXPECT_EQ(propertyInt(kResultBox, 12, 5), propertyInt(kFontDialog, 26)) << "the font dialog's size";
  EXPECT_EQ(propertyInt(kResultBox, 10), propertyInt(kFontDialog, 20)) << "the font dialog's colour";
  EXPECT_EQ(propertyInt(kResultBox, 11), back);

  // Bytes that are no settings file at all, and a file without the keys.
  closeMainWindow();
  writeFile(path, std::string("\x00\xFF\xFE[\n=\r\n\x81", 9) + std::string(5000, '\xB0'));
  loadMainWindow();
  EXPECT_TRUE(IsWindow(unitWindow(0)));
  EXPECT_EQ(propertyInt(kResultBox, 11), back);
  closeMainWindow();
  writeFile(path, "[字体设置]\r\n");
  loadMainWindow();
  EXPECT_EQ(propertyInt(kResultBox, 11), back);
}
