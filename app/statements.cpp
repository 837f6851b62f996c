#include "app/statements.h"

namespace reader {
namespace {

std::string bookClause(const PassageBoxes& b) {
  return "select * from [sj] where [juan]= '" + quotedLiteralBody(b.book) + "'";
}

}  // namespace

std::string quotedLiteralBody(const std::string& text) {
  // GBK second bytes never equal 0x27, so every quote byte is a quote.
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out;
}

std::string chapterStatement(const PassageBoxes& b) { return bookClause(b) + " and [zhang]=" + b.chapter; }

std::string verseStatement(const PassageBoxes& b) { return chapterStatement(b) + " and [jie]=" + b.verse; }

std::string chapterRangeStatement(const PassageBoxes& b) {
  return bookClause(b) + " and [zhang]>=" + b.chapter + " and [jie]>=" + b.verse + " and [zhang]<=" + b.lastChapter;
}

std::string verseRangeOneChapterStatement(const PassageBoxes& b) {
  return chapterStatement(b) + " and [jie]>=" + b.verse + " and [jie]<=" + b.lastVerse;
}

std::string verseRangeFirstPartStatement(const PassageBoxes& b) {
  return bookClause(b) + " and [zhang]>=" + b.chapter + " and [jie]>=" + b.verse + " and [zhang]<" + b.lastChapter;
}

std::string verseRangeLastChapterStatement(const PassageBoxes& b) {
  return bookClause(b) + " and  [zhang]=" + b.lastChapter + " and [jie]<=" + b.lastVerse;
}

std::string verseTextStatement(const std::string& searchText) {
  return "select * from [sj] where [jingwen] like '%" + quotedLiteralBody(searchText) + "%'";
}

std::string pinyinStatement(const std::string& typed) {
  return "select * from [word] where [pingyin] like '" + quotedLiteralBody(typed) + "%'";
}

}  // namespace reader
