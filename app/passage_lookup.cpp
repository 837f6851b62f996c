#include "app/passage_lookup.h"

#include <string>

#include "app/commands.h"
#include "app/controls.h"
#include "app/number_text.h"
#include "app/result_list.h"
#include "app/statements.h"

namespace reader {
namespace {

// How many of the boxes book, chapter, verse, last chapter, last verse a
// lookup needs.
int requiredBoxes(PassageLookup kind) {
  switch (kind) {
    case PassageLookup::Chapter: return 2;
    case PassageLookup::Verse: return 3;
    case PassageLookup::ChapterRange: return 4;
    case PassageLookup::VerseRange: return 5;
  }
  return 5;
}

// True when every box the lookup needs is filled: the book with something
// besides spaces, each number box with a number.
bool boxesUsable(const PassageBoxes& b, int required) {
  if (cmd::removeAllSpaces(b.book).empty()) return false;
  const std::string* numbers[] = {&b.chapter, &b.verse, &b.lastChapter, &b.lastVerse};
  for (int i = 0; i < required - 1; ++i) {
    if (!isNumberText(*numbers[i])) return false;
  }
  return true;
}

PassageBoxes readBoxes(int required) {
  const Component* boxes[] = {&ui::kBookBox, &ui::kChapterBox, &ui::kVerseBox, &ui::kLastChapterBox,
                              &ui::kLastVerseBox};
  std::string contents[5];
  for (int i = 0; i < required; ++i) contents[i] = readText(*boxes[i], prop::kEditContent);
  return {contents[0], contents[1], contents[2], contents[3], contents[4]};
}

void runVerseRange(const PassageBoxes& b) {
  uint32_t ticket = 0;
  if (b.chapter == b.lastChapter) {
    fillResultList(verseRangeOneChapterStatement(b), true, &ticket);
    return;
  }
  if (fillResultList(verseRangeFirstPartStatement(b), true, &ticket) != FillOutcome::Completed) return;
  fillResultList(verseRangeLastChapterStatement(b), false, &ticket);
}

}  // namespace

void runPassageLookup(PassageLookup kind) {
  const int required = requiredBoxes(kind);
  const PassageBoxes b = readBoxes(required);
  if (!boxesUsable(b, required)) return;
  uint32_t ticket = 0;
  switch (kind) {
    case PassageLookup::Chapter: fillResultList(chapterStatement(b), true, &ticket); break;
    case PassageLookup::Verse: fillResultList(verseStatement(b), true, &ticket); break;
    case PassageLookup::ChapterRange: fillResultList(chapterRangeStatement(b), true, &ticket); break;
    case PassageLookup::VerseRange: runVerseRange(b); break;
  }
}

}  // namespace reader
