// The SQL statements the reader builds from what the user typed. Pure
// functions: no runtime, so they are tested on their own.
#pragma once
#include <string>
#include <vector>

namespace reader {

// The contents of the five passage boxes, as typed.
struct PassageBoxes {
  std::string book;
  std::string chapter;
  std::string verse;
  std::string lastChapter;
  std::string lastVerse;
};

// The text with every single quote doubled, for use inside a '...' literal.
std::string quotedLiteralBody(const std::string& text);

std::string chapterStatement(const PassageBoxes& b);
std::string verseStatement(const PassageBoxes& b);
std::string chapterRangeStatement(const PassageBoxes& b);
std::string verseRangeOneChapterStatement(const PassageBoxes& b);
std::string verseRangeFirstPartStatement(const PassageBoxes& b);
std::string verseRangeLastChapterStatement(const PassageBoxes& b);

std::string verseTextStatement(const std::string& searchText);
std::string pinyinStatement(const std::string& typed);

}  // namespace reader
