// In-process tests of the reader: the runtime initialised through the entry
// services with the reader's own program header and templates, the main
// window loaded from its template over a fixture database placed as
// lumenpath.kx in a fresh temporary folder (TMP and TEMP point there), and
// the window driven only through window messages.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/reader/test_files.h"

namespace readertest {

constexpr uint32_t kMainWindow = 0x52010001u;
constexpr uint32_t kReadingWindow = 0x52010E81u;

// Unit ids of the main window's controls.
enum Unit : uint32_t {
  kBookBox = 0x16010CACu,
  kChapterBox = 0x16010CAEu,
  kVerseBox = 0x16010CB0u,
  kLastChapterBox = 0x16010CB3u,
  kLastVerseBox = 0x16010CB5u,
  kBookList = 0x16010CB6u,
  kResultList = 0x16010CB7u,
  kSearchBox = 0x16010CBAu,
  kSearchButton = 0x16010CBBu,
  kFontButton = 0x16010CBCu,
  kColourPicker = 0x16010CBDu,
  kShowAllButton = 0x16010CBEu,
  kResultBox = 0x16010CBFu,
  kPreview = 0x16010CC1u,
  kCopyButton = 0x16010CC2u,
  kClearButton = 0x16010CC3u,
  kReadingBox = 0x16010E84u,
};

// Menu items by their position among the main window's menu units.
enum MenuItem : UINT {
  kSaveSettings = 1,
  kRestoreDefaults = 2,
  kFullScreenMode = 4,
  kNormalMode = 5,
  kReadingWindowItem = 7,
  kRightsNotice = 11,
};

// Left, top, width and height of a control.
struct Geometry {
  int32_t left, top, width, height;
  bool operator==(const Geometry& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

class ReaderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  // The fixture database this test starts with.
  virtual std::string fixture() const;

  // Loads the main window again (after TearDown-like closing in a test).
  void loadMainWindow();
  void closeMainWindow();

  // The Win32 window of a unit (0: the window itself); null when not loaded.
  HWND unitWindow(uint32_t unit, uint32_t window = kMainWindow) const;
  // The control of the given class inside the unit's window (or the window).
  HWND control(uint32_t unit, const char* className, uint32_t window = kMainWindow) const;
  // True when the unit is a stand-in for a component not built yet.
  bool isPlaceholder(uint32_t unit, uint32_t window = kMainWindow) const;

  static void pump();
  void setText(uint32_t unit, const std::string& gbk, uint32_t window = kMainWindow);
  std::string text(uint32_t unit, uint32_t window = kMainWindow) const;
  void pressEnter(uint32_t unit);
  void click(uint32_t unit);
  void chooseMenu(UINT position);

  // Properties through the entry services, as the reader reads them.
  int32_t propertyInt(uint32_t unit, int32_t property, int32_t member = -1, uint32_t window = kMainWindow) const;
  std::string propertyText(uint32_t unit, int32_t property, uint32_t window = kMainWindow) const;
  Geometry geometry(uint32_t unit, uint32_t window = kMainWindow) const;

  // Report list rows as "juan|zhang|jie|jingwen".
  std::vector<std::string> rows() const;
  // The same rows as "juan zhang:jie".
  std::vector<std::string> references() const;
  std::vector<std::string> bookItems() const;

  std::string tempFolder;
};

// Skips the test while one of the units is still a stand-in component.
#define REQUIRE_COMPONENTS(...)                                                    \
  do {                                                                             \
    for (uint32_t unit_ : std::initializer_list<uint32_t>{__VA_ARGS__}) {          \
      if (isPlaceholder(unit_)) GTEST_SKIP() << "component of unit " << std::hex   \
                                             << unit_ << " is still a placeholder"; \
    }                                                                              \
  } while (0)

}  // namespace readertest
