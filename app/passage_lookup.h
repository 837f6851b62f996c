// Passage lookup: Enter in one of the four number boxes lists the verses of
// a chapter, a verse, a chapter range or a verse range.
#pragma once

namespace reader {

enum class PassageLookup { Chapter, Verse, ChapterRange, VerseRange };

void runPassageLookup(PassageLookup kind);

}  // namespace reader
