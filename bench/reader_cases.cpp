#include "bench/reader_cases.h"

#include "app/statements.h"
#include "tests/reader_driving/reader_controls.h"

namespace bench {
namespace {

using namespace drive;

// The boxes' texts as the reader reads them (GBK), and as typed (wide).
struct Passage {
  const char* book;
  const wchar_t* wideBook;
  const char* chapter;
  const char* verse;
  const char* lastChapter;
  const char* lastVerse;
};

std::wstring wide(const char* ascii) { return std::wstring(ascii, ascii + lstrlenA(ascii)); }

reader::PassageBoxes boxesOf(const Passage& p) { return {p.book, p.chapter, p.verse, p.lastChapter, p.lastVerse}; }

ReaderCase passageCase(const char* name, const Passage& p, int boxes, int enterIn) {
  ReaderCase c;
  c.bench.name = name;
  const int ids[] = {kBookBox, kChapterBox, kVerseBox, kLastChapterBox, kLastVerseBox};
  const char* texts[] = {nullptr, p.chapter, p.verse, p.lastChapter, p.lastVerse};
  c.typed.push_back({kBookBox, p.wideBook});
  for (int i = 1; i < boxes; ++i) c.typed.push_back({ids[i], wide(texts[i])});
  c.enterIn = enterIn;
  return c;
}

ReaderCase searchCase(const char* name, const wchar_t* typed, const char* first, const char* further) {
  ReaderCase c;
  c.bench.name = name;
  c.bench.statements = {reader::verseTextStatement(first)};
  if (further) c.bench.furtherWords = {further};
  c.typed.push_back({kSearchBox, typed});
  c.enterIn = kSearchBox;
  return c;
}

}  // namespace

std::vector<ReaderCase> readerCases() {
  std::vector<ReaderCase> cases;
  const Passage john316 = {"约翰福音", L"约翰福音", "3", "16", "", ""};
  cases.push_back(passageCase("verse John 3:16", john316, 3, kVerseBox));
  cases.back().bench.statements = {reader::verseStatement(boxesOf(john316))};

  const Passage psalm119 = {"诗篇", L"诗篇", "119", "", "", ""};
  cases.push_back(passageCase("chapter Ps 119", psalm119, 2, kChapterBox));
  cases.back().bench.statements = {reader::chapterStatement(boxesOf(psalm119))};

  const Passage john1to3 = {"约翰福音", L"约翰福音", "1", "1", "3", ""};
  cases.push_back(passageCase("chapters John 1-3", john1to3, 4, kLastChapterBox));
  cases.back().bench.statements = {reader::chapterRangeStatement(boxesOf(john1to3))};

  const Passage genesis = {"创世记", L"创世记", "1", "1", "2", "3"};
  cases.push_back(passageCase("verses Gen 1:1-2:3", genesis, 5, kLastVerseBox));
  cases.back().bench.statements = {reader::verseRangeFirstPartStatement(boxesOf(genesis)),
                                   reader::verseRangeLastChapterStatement(boxesOf(genesis))};

  cases.push_back(searchCase("search ai", L"爱", "爱", nullptr));
  cases.push_back(searchCase("search ai shen", L"爱 神", "爱", "神"));
  cases.push_back(searchCase("search shen", L"神", "神", nullptr));

  // Listed after the search for 神, so the result list holds its rows.
  ReaderCase showAll;
  showAll.bench.name = "show all (shen)";
  showAll.bench.fill = FillKind::Lines;
  showAll.bench.statements = {reader::verseTextStatement("神")};
  cases.push_back(showAll);

  ReaderCase pinyin;
  pinyin.bench.name = "pinyin y";
  pinyin.bench.fill = FillKind::Books;
  pinyin.bench.statements = {reader::pinyinStatement("y")};
  pinyin.typed.push_back({kBookBox, L"y"});
  cases.push_back(pinyin);
  return cases;
}

}  // namespace bench
