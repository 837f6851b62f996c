#include "app/fuzzy_search.h"

#include <string>
#include <vector>

#include "app/commands.h"
#include "app/controls.h"
#include "app/main_window_lifetime.h"
#include "app/result_list.h"
#include "app/statements.h"

namespace reader {
namespace {

// The driver's LIKE is a coarse first sieve: it takes % and _ in the words as
// wildcards, compares bytes (so a match may straddle two GBK characters) and
// cuts long literals short. Every row it returns is checked for the words
// themselves, so no row without them is ever listed.
bool containsEveryWord(const VerseRow& row, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    if (cmd::findTextIgnoringCase(row.jingwen, word) < 0) return false;
  }
  return true;
}

// The first word is queried; the rows that hold every word are listed as they
// come, in the order the database returns them.
void searchSeveralWords(const std::vector<std::string>& words) {
  const Component& db = ui::kDatabase;
  const int32_t handle = cmd::query(db, verseTextStatement(words[0]));
  if (handle == 0) return;
  const uint32_t ticket = claimResultList();
  cmd::deleteAllRows(ui::kResultList);
  cmd::moveFirst(db, handle);
  while (!cmd::isEOF(db, handle)) {
    const VerseRow row = readVerseRow(handle);
    if (containsEveryWord(row, words)) listVerseRow(row);
    cmd::moveNext(db, handle);
    cmd::doEvents();
    if (mainWindowClosed()) return;  // its record sets closed with the window
    if (!stillNewest(ticket)) break;
  }
  cmd::closeQuery(db, handle);
}

}  // namespace

void runFuzzySearch() {
  const std::string text = readText(ui::kSearchBox, prop::kEditContent);
  const std::vector<std::string> words = cmd::splitText(text, " ");
  if (cmd::removeAllSpaces(text).empty()) return;
  if (words.size() == 1) {
    // One word: the whole text is searched, trailing spaces included.
    uint32_t ticket = 0;
    fillResultList(verseTextStatement(text), true, &ticket,
                   [&text](const VerseRow& row) { return containsEveryWord(row, {text}); });
    return;
  }
  searchSeveralWords(words);
}

}  // namespace reader
