#include "app/pinyin_filter.h"

#include <cstdint>
#include <string>

#include "app/commands.h"
#include "app/controls.h"
#include "app/main_window_lifetime.h"
#include "app/reader_globals.h"
#include "app/statements.h"

namespace reader {
namespace {

// Filters process messages after every item, so typing on starts a newer
// filter inside an older one: the newest wins and the older one stops.
uint32_t newestFilter = 0;

// The driver's LIKE takes % and _ as wildcards and cuts long literals short:
// a key is listed only when it really starts with the typed text.
bool startsWith(const std::string& key, const std::string& typed) { return key.compare(0, typed.size(), typed) == 0; }

}  // namespace

void filterBookList() {
  const Component& db = ui::kDatabase;
  const std::string typed = readText(ui::kBookBox, prop::kEditContent);
  const int32_t handle = cmd::query(db, pinyinStatement(typed));
  if (handle == 0) return;
  const uint32_t ticket = ++newestFilter;
  cmd::clearList(ui::kBookList);
  cmd::moveFirst(db, handle);
  while (!cmd::isEOF(db, handle)) {
    if (startsWith(cmd::readFieldText(db, handle, "pingyin"), typed))
      cmd::addListItem(ui::kBookList, cmd::readFieldText(db, handle, "guanjianzi"));
    cmd::moveNext(db, handle);
    cmd::doEvents();
    if (mainWindowClosed()) return;  // its record sets closed with the window
    if (ticket != newestFilter) break;
  }
  cmd::closeQuery(db, handle);
}

void takeChosenBook() {
  const int32_t index = readInteger(ui::kBookList, prop::kListCurrentIndex);
  const std::string book = cmd::listItemText(ui::kBookList, index);
  // This raises the box's change event, so the filter runs here.
  writeText(ui::kBookBox, prop::kEditContent, book);
  writeBlock(ui::kBookList, prop::kListItems, globals().fullBookList);
}

}  // namespace reader
