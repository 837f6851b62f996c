#include "app/startup.h"

#include <string>

#include "app/commands.h"
#include "app/controls.h"
#include "app/display_modes.h"
#include "app/enciphered_texts.h"
#include "app/main_window_lifetime.h"
#include "app/proportional_layout.h"
#include "app/reader_globals.h"
#include "app/reader_settings.h"
#include "constant_layout.h"

namespace reader {
namespace {

constexpr int32_t kTemporaryFolder = 11;
constexpr int32_t kInformationIcon = 0x40;

std::string databasePath() { return cmd::specialFolder(kTemporaryFolder) + "lumenpath.kx"; }

bool writeDatabase() { return cmd::writeToFile(databasePath(), lp::constants::at(lp::constants::kDatabase)); }

// Whether the open database answers: the driver opens a file cut short (an
// interrupted copy, a full disk) without complaint, and the book keys are
// written last, so a file that lost its end has none.
bool databaseAnswers() {
  const int32_t handle = cmd::query(ui::kDatabase, "select * from [word]");
  if (handle == 0) return false;
  const bool answers = !cmd::isEOF(ui::kDatabase, handle);
  cmd::closeQuery(ui::kDatabase, handle);
  return answers;
}

// Opens the database file, writing it from the program's constant when it is
// missing, and once more when an existing file does not open or does not
// answer (a damaged or foreign file is replaced instead of failing on every
// start).
bool attachDatabase() {
  if (cmd::fileExists(databasePath())) {
    if (cmd::openDatabase(ui::kDatabase, databasePath()) && databaseAnswers()) return true;
    cmd::closeDatabase(ui::kDatabase);
  }
  writeDatabase();
  return cmd::openDatabase(ui::kDatabase, databasePath()) && databaseAnswers();
}

void keepFullBookList() {
  Globals& g = globals();
  releaseBlock(g.fullBookList);
  g.fullBookList = readBlock(ui::kBookList, prop::kListItems);
}

}  // namespace

void startReader() {
  markMainWindowOpen();
  writeText(ui::kMainWindow, prop::kWindowCaption, decipheredConstant(lp::constants::kCaption));
  recordLayout();
  applySavedSettings();
  // The saved font size holds at the template width and scales from there.
  recordResultBoxFont();
  if (!attachDatabase()) {
    cmd::infoBox("圣经数据库连接失败,请检测同目录下是否存在数据库!", kInformationIcon, "错误提示:");
    exitProgram(0);
    return;
  }
  keepFullBookList();
}

void closeReader() {
  markMainWindowClosed();
  // A reading window left open would keep the program running with no main
  // window to return to.
  closeReadingWindowIfOpen();
  cmd::closeDatabase(ui::kDatabase);
  cmd::destroy(ui::kMainWindow);
}

}  // namespace reader
