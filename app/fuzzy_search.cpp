#include "app/fuzzy_search.h"

#include <string>
#include <vector>

#include "app/commands.h"
#include "app/controls.h"
#include "app/result_list.h"
#include "app/statements.h"

namespace reader {
namespace {

bool containsEveryWord(const VerseRow& row, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    if (cmd::findTextIgnoringCase(row.jingwen, word) < 0) return false;
  }
  return true;
}

// The first word is queried; the rows that also hold every further word are
// listed as they come, in the order the database returns them.
void searchSeveralWords(const std::vector<std::string>& words) {
  const Component& db = ui::kDatabase;
  const int32_t handle = cmd::query(db, verseTextStatement(words[0]));
  if (handle == 0) return;
  const uint32_t ticket = claimResultList();
  cmd::deleteAllRows(ui::kResultList);
  const std::vector<std::string> further(words.begin() + 1, words.end());
  cmd::moveFirst(db, handle);
  while (!cmd::isEOF(db, handle)) {
    const VerseRow row = readVerseRow(handle);
    if (containsEveryWord(row, further)) listVerseRow(row);
    cmd::moveNext(db, handle);
    cmd::doEvents();
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
    fillResultList(verseTextStatement(text), true, &ticket);
    return;
  }
  searchSeveralWords(words);
}

}  // namespace reader
